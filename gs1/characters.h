// The character sets of GS1 element strings and small helpers on digit strings.
#pragma once

#include <cstdint>
#include <string_view>

#include "gs1/ai_syntax.h"

namespace gs1 {

// GS1 character set 82 in its own order, which the check character pair counts by.
inline constexpr std::string_view kCharacterSet82 =
    "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr bool IsUpperLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

constexpr bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!IsDigit(c)) {
      return false;
    }
  }
  return true;
}

// The value of a string of at most 19 digits.
constexpr uint64_t DecimalValue(std::string_view digits) {
  uint64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  return value;
}

bool InCharacterSet(CharacterSet set, char c);

// The position of `c` in kCharacterSet82, -1 when it is not in the set.
int IndexInSet82(char c);

}  // namespace gs1
