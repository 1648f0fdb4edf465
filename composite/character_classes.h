// Which encodation modes can carry each byte of an element string. '#' (FNC1) and '^' (the
// separator character) belong to no class: every mode handles them itself.
#pragma once

#include <cstdint>

namespace composite {

enum CharacterClass : uint8_t {
  kNumericClass = 1,
  kAlphanumericClass = 4,
  kIso646Class = 8,
  kEndOfTextClass = 128,
};

constexpr char kFnc1 = '#';
constexpr char kSeparatorCharacter = '^';

uint8_t ClassOf(char c);

inline bool HasClass(char c, CharacterClass cls) {
  return (ClassOf(c) & cls) != 0;
}
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}

// Returns 0 when every character up to the terminating NUL can be encoded. Otherwise sets
// EncodeError to kInvalidData and returns the index of the first character that cannot.
int ValidateData(const char* text);

}  // namespace composite
