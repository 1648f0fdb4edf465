// Arithmetic tables of the composite component: logarithms in GF(929) with generator 3 for the
// error correction, and the powers of 2 in base 928 for turning CC-A bit groups into codewords.
// They are computed by the compiler and never change.
#pragma once

#include <array>
#include <cstdint>

namespace composite {

constexpr int kGaloisPrime = 929;
constexpr int kBase928 = 928;
constexpr int kBitsPerGroup = 69;  // a CC-A bit group: 7 base-928 digits
constexpr int kDigitsPerGroup = 7;

struct CompositeTables {
  std::array<uint16_t, kGaloisPrime - 1> antilog{};  // antilog[i] = 3^i mod 929
  std::array<uint16_t, kGaloisPrime> log{};          // log[antilog[i]] = i; log[0] = 0
  // powers[j] = 2^j as base-928 digits, most significant first.
  std::array<std::array<uint16_t, kDigitsPerGroup>, kBitsPerGroup> powers{};
};

constexpr CompositeTables BuildCompositeTables() {
  CompositeTables tables;
  int a = 1;
  for (int i = 0; i < kGaloisPrime - 1; ++i) {
    tables.antilog[i] = static_cast<uint16_t>(a);
    tables.log[a] = static_cast<uint16_t>(i);
    a = a * 3 % kGaloisPrime;
  }
  tables.powers[0][kDigitsPerGroup - 1] = 1;
  for (int j = 1; j < kBitsPerGroup; ++j) {
    int carry = 0;
    for (int d = kDigitsPerGroup - 1; d >= 0; --d) {
      const int doubled = tables.powers[j - 1][d] * 2 + carry;
      tables.powers[j][d] = static_cast<uint16_t>(doubled % kBase928);
      carry = doubled / kBase928;
    }
  }
  return tables;
}

inline constexpr CompositeTables kCompositeTables = BuildCompositeTables();

// The tables are built at compile time, so there is nothing left to prepare before encoding;
// callers that prepare the encoders get the tables back.
inline const CompositeTables& InitCompositeTables() {
  return kCompositeTables;
}

constexpr int GfMultiply(int a, int b) {
  if (a == 0 || b == 0)
    return 0;
  const auto& t = kCompositeTables;
  return t.antilog[(t.log[a] + t.log[b]) % (kGaloisPrime - 1)];
}

}  // namespace composite
