#include "composite/bit_buffer.h"

#include "databar/encode_error.h"

namespace composite {

void PutBits(BitBuffer& bits, int position, int count, int value) {
  if (count <= 0)
    return;
  if (position < 0 || count > kMaxBitsPerWrite || position + count > kBitCapacity) {
    databar::EncodeError = databar::kInternalOverflow;
    return;
  }
  // The bytes the bits fall in, as one window with the first byte highest; at most three.
  const int first = position / 8;
  const int last = (position + count - 1) / 8;
  uint32_t window = 0;
  for (int b = first; b <= last; ++b)
    window = window << 8 | bits[b];
  const int shift = (last + 1) * 8 - (position + count);
  const uint32_t mask = ((1u << count) - 1) << shift;
  window = (window & ~mask) | ((static_cast<uint32_t>(value) << shift) & mask);
  for (int b = last; b >= first; --b) {
    bits[b] = static_cast<uint8_t>(window);
    window >>= 8;
  }
}

}  // namespace composite
