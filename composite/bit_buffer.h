// The bit string of a composite component or of a DataBar Expanded symbol, most significant bit
// of each byte first.
#pragma once

#include <array>
#include <cstdint>

#include "core/encode_error.h"

namespace composite {

constexpr int kBitCapacity = 1184;  // the largest component: 4 columns, 44 rows
constexpr int kMaxBitsPerWrite = 16;
constexpr int kMaxBitsPerRead = 16;

using BitBuffer = std::array<uint8_t, kBitCapacity / 8>;

// A field of up to 16 bits (kMaxBitsPerWrite, kMaxBitsPerRead) lies within the three bytes from the
// one that holds its first bit. The window holds them with the first byte highest; bytes outside
// the buffer read as 0.
inline uint32_t ReadWindow(const BitBuffer& bits, int firstByte) {
  const int size = static_cast<int>(bits.size());
  if (firstByte >= 0 && firstByte + 3 <= size)
    return bits[firstByte] << 16 | bits[firstByte + 1] << 8 | bits[firstByte + 2];
  uint32_t window = 0;
  for (int b = firstByte; b < firstByte + 3; ++b)
    window = window << 8 | (b >= 0 && b < size ? bits[b] : 0u);
  return window;
}

// The `count` bits (0..kMaxBitsPerRead) from bits position on as a number, the first bit most
// significant; bits outside the buffer read as 0.
inline int GetBits(const BitBuffer& bits, int position, int count) {
  const int shift = 24 - (position & 7) - count;
  return static_cast<int>((ReadWindow(bits, position >> 3) >> shift) & ((1u << count) - 1));
}

// 1 if bit n is set; bits outside the buffer read as 0.
inline int GetBit(const BitBuffer& bits, int n) {
  if (n < 0 || n >= kBitCapacity)
    return 0;
  return (bits[n / 8] >> (7 - n % 8)) & 1;
}

// Writes the low `count` bits of `value`, most significant first, at bits position ..
// position + count - 1, and returns kEncodeOk. A write outside the buffer or wider than 16 bits
// writes nothing and returns kInternalOverflow; a count of 0 or less writes nothing. The caller
// advances its own bit position.
inline int PutBits(BitBuffer& bits, int position, int count, int value) {
  if (count <= 0)
    return databar::kEncodeOk;
  if (position < 0 || count > kMaxBitsPerWrite || position + count > kBitCapacity)
    return databar::kInternalOverflow;
  const int first = position / 8;
  const int shift = 24 - position % 8 - count;
  const uint32_t mask = ((1u << count) - 1) << shift;
  const uint32_t window =
      (ReadWindow(bits, first) & ~mask) | ((static_cast<uint32_t>(value) << shift) & mask);
  // Only the bytes the field reaches are written: they lie within the buffer.
  bits[first] = static_cast<uint8_t>(window >> 16);
  if (shift < 16)
    bits[first + 1] = static_cast<uint8_t>(window >> 8);
  if (shift < 8)
    bits[first + 2] = static_cast<uint8_t>(window);
  return databar::kEncodeOk;
}

}  // namespace composite
