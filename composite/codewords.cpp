#include "composite/codewords.h"

#include <algorithm>

#include "composite/composite_tables.h"

namespace composite {
namespace {

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

}  // namespace composite
