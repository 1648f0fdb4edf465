// The bit string of a composite component or of a DataBar Expanded symbol, most significant bit
// of each byte first.
#pragma once

#include <array>
#include <cstdint>

namespace composite {

constexpr int kBitCapacity = 1184;  // the largest component: 4 columns, 44 rows
constexpr int kMaxBitsPerWrite = 16;

using BitBuffer = std::array<uint8_t, kBitCapacity / 8>;

// Writes the low `count` bits of `value`, most significant first, at bits position ..
// position + count - 1. A write outside the buffer or wider than 16 bits sets EncodeError to
// kInternalOverflow and writes nothing; a count of 0 or less writes nothing. The caller advances
// its own bit position.
void PutBits(BitBuffer& bits, int position, int count, int value);

// 1 if bit n is set; bits outside the buffer read as 0.
inline int GetBit(const BitBuffer& bits, int n) {
  if (n < 0 || n >= kBitCapacity)
    return 0;
  return (bits[n / 8] >> (7 - n % 8)) & 1;
}

}  // namespace composite
