// Character tables of GS1 DataBar Limited, as ISO/IEC 24724 gives them: the data character
// groups, checksum weights and check characters.
#pragma once

#include "core/element_widths.h"
#include "core/symbol_records.h"

namespace databar {

extern const CharacterGroup kLimitedGroups[7];  // values 0..2013570; first set = odd elements
// Checksum weights mod 89: left character, right character; order odd1 even1 ... odd7 even7.
extern const int32_t kLimitedWeights[2][14];
// The 14 widths of the check character for checksum values 0..88, as printed left to right.
extern const ElementWidth kLimitedCheckCharacters[89][14];

}  // namespace databar
