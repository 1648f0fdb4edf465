#include "composite/bit_buffer.h"

#include "core/encode_error.h"

namespace composite {

int PutBits(BitBuffer& bits, int position, int count, int value) {
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
