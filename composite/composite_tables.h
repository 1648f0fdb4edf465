// Arithmetic of the composite component: logarithms in GF(929) with generator 3 for the error
// correction, and the base-928 digits of CC-A bit groups. The tables are computed by the
// compiler and never change.
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
};

constexpr CompositeTables BuildCompositeTables() {
  CompositeTables tables;
  int a = 1;
  for (int i = 0; i < kGaloisPrime - 1; ++i) {
    tables.antilog[i] = static_cast<uint16_t>(a);
    tables.log[a] = static_cast<uint16_t>(i);
    a = a * 3 % kGaloisPrime;
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
