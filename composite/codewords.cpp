#include "composite/codewords.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/encode_error.h"

namespace composite {
namespace {

constexpr int kBase928 = 928;
constexpr int kBitsPerGroup = 69;  // a CC-A bit group: 7 base-928 digits
constexpr int kDigitsPerGroup = 7;

constexpr int kBytesPerGroup = 6;
constexpr int kCodewordsPerByteGroup = 5;

// The value of bits [start, start + count) as base-928 digits, most significant first. Each
// field of bits shifts the digits up by its width and is added at the bottom.
std::array<uint32_t, kDigitsPerGroup> GroupToBase928(const BitBuffer& bits, int start, int count) {
  std::array<uint32_t, kDigitsPerGroup> digits{};
  for (int taken = 0; taken < count;) {
    const int width = std::min(kMaxBitsPerRead, count - taken);
    uint32_t carry = static_cast<uint32_t>(GetBits(bits, start + taken, width));
    for (int d = kDigitsPerGroup - 1; d >= 0; --d) {
      const uint32_t shifted = (digits[d] << width) + carry;
      digits[d] = shifted % kBase928;
      carry = shifted / kBase928;
    }
    taken += width;
  }
  return digits;
}

uint64_t ByteGroupValue(const BitBuffer& bits, int firstByte) {
  uint64_t value = 0;
  for (int i = 0; i < kBytesPerGroup; ++i)
    value = value << 8 | bits[firstByte + i];
  return value;
}

// Arithmetic in GF(929) with generator 3 for the error correction: logarithms and antilogarithms,
// computed by the compiler.
constexpr int kGaloisPrime = 929;

struct GaloisTables {
  std::array<uint16_t, kGaloisPrime - 1> antilog{};  // antilog[i] = 3^i mod 929
  std::array<uint16_t, kGaloisPrime> log{};          // log[antilog[i]] = i; log[0] = 0
};

constexpr GaloisTables BuildGaloisTables() {
  GaloisTables tables;
  int a = 1;
  for (int i = 0; i < kGaloisPrime - 1; ++i) {
    tables.antilog[i] = static_cast<uint16_t>(a);
    tables.log[a] = static_cast<uint16_t>(i);
    a = a * 3 % kGaloisPrime;
  }
  return tables;
}

constexpr GaloisTables kGaloisTables = BuildGaloisTables();

constexpr int GfMultiply(int a, int b) {
  if (a == 0 || b == 0)
    return 0;
  const auto& t = kGaloisTables;
  return t.antilog[(t.log[a] + t.log[b]) % (kGaloisPrime - 1)];
}

using Generator = std::array<int, kMaxEcCodewords + 1>;

constexpr int Negate(int value) {
  return (kGaloisPrime - value) % kGaloisPrime;
}

// Coefficients g[0..k] of (x - 3)(x - 3^2)...(x - 3^k), g[k] = 1.
constexpr Generator BuildGenerator(int k) {
  Generator g{};
  g[0] = 1;
  for (int i = 1; i <= k; ++i) {
    const int root = kGaloisTables.antilog[i];
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

int BitsToBase928(const BitBuffer& bits, int bitCount, CodewordArray& codewords) {
  // A full buffer of 1184 bits gives 121 codewords, well within the array.
  int written = 0;
  for (int start = 0; start < std::min(bitCount, kBitCapacity); start += kBitsPerGroup) {
    const int count = std::min(kBitsPerGroup, bitCount - start);
    const auto digits = GroupToBase928(bits, start, count);
    const int kept = count / 10 + 1;
    for (int d = kDigitsPerGroup - kept; d < kDigitsPerGroup; ++d) {
      codewords[written++] = static_cast<uint16_t>(digits[d]);
    }
  }
  return written;
}

int BytesToBase900(const BitBuffer& bits, int byteCount, CodewordArray& codewords) {
  byteCount = std::clamp(byteCount, 0, static_cast<int>(bits.size()));
  int written = 0;
  codewords[written++] = kByteModeLatch;
  codewords[written++] = byteCount % kBytesPerGroup == 0 ? kByteCompaction6 : kByteCompaction;
  int byte = 0;
  for (; byteCount - byte >= kBytesPerGroup; byte += kBytesPerGroup) {
    uint64_t value = ByteGroupValue(bits, byte);
    for (int d = kCodewordsPerByteGroup - 1; d >= 0; --d) {
      codewords[written + d] = static_cast<uint16_t>(value % 900);
      value /= 900;
    }
    written += kCodewordsPerByteGroup;
  }
  for (; byte < byteCount; ++byte)
    codewords[written++] = bits[byte];
  return written;
}

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
