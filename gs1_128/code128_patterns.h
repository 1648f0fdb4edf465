// Code 128 symbol characters as width strings: bar, space, bar, space, bar, space (11 modules),
// from the symbol character table of ISO/IEC 15417.
#pragma once

namespace gs1_128 {

extern const char* const kCode128Patterns[103];  // values 0..102
extern const char* const kStartAPattern;         // value 103
extern const char* const kStartBPattern;         // value 104
extern const char* const kStartCPattern;         // value 105
extern const char* const kStopPattern;           // 7 elements, bar first and last, 13 modules

}  // namespace gs1_128
