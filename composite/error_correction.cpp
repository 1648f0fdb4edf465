#include "composite/error_correction.h"

#include "composite/composite_tables.h"
#include "databar/encode_error.h"

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

constexpr int kLogPeriod = kGaloisPrime - 1;

// The logarithms of the generator coefficients of every error correction length, and the
// powers of 3 over two periods so that the sum of two logarithms needs no reduction. Built by
// the compiler: encoding a component only looks them up.
struct ErrorCorrectionTables {
  std::array<std::array<int16_t, kMaxEcCodewords + 1>, kMaxEcCodewords + 1> generatorLogs{};
  std::array<uint16_t, 2 * kLogPeriod> antilog{};
  bool everyCoefficientNonZero = true;  // so that each has a logarithm
};

constexpr ErrorCorrectionTables BuildErrorCorrectionTables() {
  ErrorCorrectionTables tables;
  for (int k = 1; k <= kMaxEcCodewords; ++k) {
    const Generator g = BuildGenerator(k);
    for (int j = 0; j <= k; ++j) {
      tables.everyCoefficientNonZero = tables.everyCoefficientNonZero && g[j] != 0;
      tables.generatorLogs[k][j] = static_cast<int16_t>(kCompositeTables.log[g[j]]);
    }
  }
  for (int i = 0; i < 2 * kLogPeriod; ++i)
    tables.antilog[i] = kCompositeTables.antilog[i % kLogPeriod];
  return tables;
}

constexpr ErrorCorrectionTables kErrorCorrectionTables = BuildErrorCorrectionTables();
static_assert(kErrorCorrectionTables.everyCoefficientNonZero);

// t * g for a non-zero t and a generator coefficient g, given by their logarithms.
int MultiplyLogs(int logT, int logG) {
  return kErrorCorrectionTables.antilog[logT + logG];
}

}  // namespace

void ComputeErrorCorrection(int dataCount, int ecCount, CodewordArray& codewords) {
  if (dataCount < 0 || ecCount < 1 || ecCount > kMaxEcCodewords ||
      dataCount + ecCount > static_cast<int>(codewords.size())) {
    databar::EncodeError = databar::kInternalOverflow;
    return;
  }
  const int k = ecCount;
  const auto& g = kErrorCorrectionTables.generatorLogs[k];
  uint16_t* ec = codewords.data() + dataCount;
  for (int j = 0; j < k; ++j)
    ec[j] = 0;
  // Long division by the generator: each data codeword shifts the remainder by one place.
  for (int i = 0; i < dataCount; ++i) {
    const int t = (codewords[i] + ec[0]) % kGaloisPrime;
    if (t == 0) {
      for (int j = 0; j < k - 1; ++j)
        ec[j] = ec[j + 1];
      ec[k - 1] = 0;
      continue;
    }
    const int logT = kCompositeTables.log[t];
    for (int j = 0; j < k - 1; ++j) {
      const int difference = ec[j + 1] - MultiplyLogs(logT, g[k - 1 - j]);
      ec[j] = static_cast<uint16_t>(difference < 0 ? difference + kGaloisPrime : difference);
    }
    ec[k - 1] = static_cast<uint16_t>(Negate(MultiplyLogs(logT, g[0])));
  }
  for (int j = 0; j < k; ++j)
    ec[j] = static_cast<uint16_t>(Negate(ec[j]));
}

}  // namespace composite
