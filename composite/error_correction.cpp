#include "composite/error_correction.h"

#include <array>
#include <cstdint>

#include "composite/composite_tables.h"
#include "core/encode_error.h"

namespace composite {
namespace {

using Generator = std::array<int, kMaxEcCodewords + 1>;

constexpr int Negate(int value) {
  return (kGaloisPrime - value) % kGaloisPrime;
}

// Coefficients g[0..k] of (x - 3)(x - 3^2)...(x - 3^k), g[k] = 1.
constexpr Generator BuildGenerator(int k) {
  Generator g{};
  g[0] = 1;
  for (int i = 1; i <= k; ++i) {
    const int root = kCompositeTables.antilog[i];
    for (int j = i - 1; j >= 0; --j)
      g[j + 1] = (GfMultiply(g[j + 1], root) + g[j]) % kGaloisPrime;
    g[0] = GfMultiply(g[0], root);
  }
  // The loop built (x + 3)(x + 3^2)...; negating every other coefficient below x^k turns the
  // roots into 3, 3^2, ...
  for (int j = k - 1; j >= 0; j -= 2)
    g[j] = Negate(g[j]);
  return g;
}

// The generator coefficients of every error correction length, highest power first below x^k:
// reversed[k][j] = g[k - 1 - j]. Built by the compiler: encoding a component only looks them up.
using ReversedGenerators = std::array<std::array<int32_t, kMaxEcCodewords>, kMaxEcCodewords + 1>;

constexpr ReversedGenerators BuildReversedGenerators() {
  ReversedGenerators reversed{};
  for (int k = 1; k <= kMaxEcCodewords; ++k) {
    const Generator g = BuildGenerator(k);
    for (int j = 0; j < k; ++j)
      reversed[k][j] = g[k - 1 - j];
  }
  return reversed;
}

constexpr ReversedGenerators kReversedGenerators = BuildReversedGenerators();

// The remainder's places are kept unreduced: a place takes at most kMaxEcCodewords products of
// two residues before it leaves the remainder, far inside the range of int32_t, so the division
// step is a plain multiply-subtract over the places (which the compiler vectorises) and a
// place is reduced only when it leaves.
constexpr int64_t kLargestPlace =
    int64_t{kMaxEcCodewords} * (kGaloisPrime - 1) * (kGaloisPrime - 1);
static_assert(kLargestPlace + kGaloisPrime < INT32_MAX);

int32_t Reduce(int32_t value) {
  const int32_t residue = value % kGaloisPrime;
  return residue < 0 ? residue + kGaloisPrime : residue;
}

}  // namespace

int32_t ComputeErrorCorrection(int dataCount, int ecCount, CodewordArray& codewords) {
  if (dataCount < 0 || ecCount < 1 || ecCount > kMaxEcCodewords ||
      dataCount + ecCount > static_cast<int>(codewords.size())) {
    return databar::kInternalOverflow;
  }
  const int k = ecCount;
  const auto& g = kReversedGenerators[k];
  // places[0..k-1] is the remainder, highest power first; places[k] stays 0 so that each step
  // can shift the remainder by one place in the same pass.
  std::array<int32_t, kMaxEcCodewords + 1> places{};
  // Long division by the generator: each data codeword shifts the remainder by one place.
  for (int i = 0; i < dataCount; ++i) {
    const int32_t t = Reduce(codewords[i] + places[0]);
    for (int j = 0; j < k; ++j)
      places[j] = places[j + 1] - t * g[j];
  }
  uint16_t* ec = codewords.data() + dataCount;
  for (int j = 0; j < k; ++j)
    ec[j] = static_cast<uint16_t>(Negate(Reduce(places[j])));
  return databar::kEncodeOk;
}

}  // namespace composite
