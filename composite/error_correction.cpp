#include "composite/error_correction.h"

#include "composite/composite_tables.h"
#include "databar/encode_error.h"

namespace composite {
namespace {

using Generator = std::array<int, kMaxEcCodewords + 1>;

int Negate(int value) {
  return (kGaloisPrime - value) % kGaloisPrime;
}

// Coefficients g[0..k] of (x - 3)(x - 3^2)...(x - 3^k), g[k] = 1.
Generator BuildGenerator(int k) {
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

}  // namespace

void ComputeErrorCorrection(int dataCount, int ecCount, CodewordArray& codewords) {
  if (dataCount < 0 || ecCount < 1 || ecCount > kMaxEcCodewords ||
      dataCount + ecCount > static_cast<int>(codewords.size())) {
    databar::EncodeError = databar::kInternalOverflow;
    return;
  }
  const int k = ecCount;
  const Generator g = BuildGenerator(k);
  uint16_t* ec = codewords.data() + dataCount;
  for (int j = 0; j < k; ++j)
    ec[j] = 0;
  for (int i = 0; i < dataCount; ++i) {
    const int t = (codewords[i] + ec[0]) % kGaloisPrime;
    for (int j = 0; j < k - 1; ++j) {
      ec[j] = static_cast<uint16_t>((ec[j + 1] + kGaloisPrime - GfMultiply(t, g[k - 1 - j])) %
                                    kGaloisPrime);
    }
    ec[k - 1] = static_cast<uint16_t>(Negate(GfMultiply(t, g[0])));
  }
  for (int j = 0; j < k; ++j)
    ec[j] = static_cast<uint16_t>(Negate(ec[j]));
}

}  // namespace composite
