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
  for (int i = 0; i < count; ++i) {
    const int n = position + i;
    const auto mask = static_cast<uint8_t>(0x80 >> (n % 8));
    if ((value >> (count - 1 - i)) & 1) {
      bits[n / 8] |= mask;
    } else {
      bits[n / 8] &= static_cast<uint8_t>(~mask);
    }
  }
}

int GetBit(const BitBuffer& bits, int n) {
  if (n < 0 || n >= kBitCapacity)
    return 0;
  return (bits[n / 8] >> (7 - n % 8)) & 1;
}

}  // namespace composite
