#include "gs1_128/symbol_values.h"

#include "gs1_128/code128_patterns.h"

namespace gs1_128 {

const char* PatternOf(int16_t value) {
  if (value == kStartCValue) {
    return kStartCPattern;
  }
  if (value == kStopValue) {
    return kStopPattern;
  }
  return kCode128Patterns[value];
}

}  // namespace gs1_128
