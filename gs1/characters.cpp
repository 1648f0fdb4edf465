#include "gs1/characters.h"

#include <array>

namespace gs1 {
namespace {

constexpr std::string_view kCharacterSet39 = "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kCharacterSet64 =
    "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";

// For each byte, one bit per set: 1 N, 2 X, 4 Y, 8 Z.
constexpr std::array<uint8_t, 256> MakeSetBits() {
  std::array<uint8_t, 256> bits{};
  for (char c = '0'; c <= '9'; ++c) {
    bits[static_cast<uint8_t>(c)] |= 1;
  }
  for (const char c : kCharacterSet82) {
    bits[static_cast<uint8_t>(c)] |= 2;
  }
  for (const char c : kCharacterSet39) {
    bits[static_cast<uint8_t>(c)] |= 4;
  }
  for (const char c : kCharacterSet64) {
    bits[static_cast<uint8_t>(c)] |= 8;
  }
  return bits;
}

constexpr std::array<uint8_t, 256> kSetBits = MakeSetBits();

}  // namespace

bool InCharacterSet(CharacterSet set, char c) {
  return (kSetBits[static_cast<uint8_t>(c)] & (1u << static_cast<unsigned>(set))) != 0;
}

int IndexInSet82(char c) {
  const size_t index = kCharacterSet82.find(c);
  return index == std::string_view::npos ? -1 : static_cast<int>(index);
}

}  // namespace gs1
