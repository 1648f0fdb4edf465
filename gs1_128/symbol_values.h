// Code 128 symbol values and the width string of each (the patterns of code128_patterns).
#pragma once

#include <cstdint>

#include "gs1_128/code128_patterns.h"

namespace gs1_128 {

constexpr int16_t kCodeCValue = 99;    // change to code set C
constexpr int16_t kCodeBValue = 100;   // change to code set B
constexpr int16_t kCodeAValue = 101;   // change to code set A
constexpr int16_t kFnc1Value = 102;    // leading FNC1 and separator after a variable-length field
constexpr int16_t kStartCValue = 105;  // start character C
constexpr int16_t kStopValue = 106;    // stop character (7 elements, 13 modules)

// Value of two digit characters in code set C.
constexpr int16_t DigitPairValue(char first, char second) {
  return static_cast<int16_t>((first - '0') * 10 + (second - '0'));
}

// Value of a printable ASCII character in code sets A and B.
constexpr int16_t CharacterValue(char c) {
  return static_cast<int16_t>(c - 32);
}

// The width string of a symbol value: 0 to 102, the start character C or the stop character.
inline const char* PatternOf(int16_t value) {
  if (value == kStartCValue)
    return kStartCPattern;
  if (value == kStopValue)
    return kStopPattern;
  return kCode128Patterns[value];
}

}  // namespace gs1_128
