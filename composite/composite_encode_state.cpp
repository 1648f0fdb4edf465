#include "composite/composite_encode_state.h"

namespace composite {

void CompositeEncodeState::Write(int count, int value) {
  if (count <= 0)
    return;
  if (bitPosition + count <= kBitCapacity)
    PutBits(bits, bitPosition, count, value);
  bitPosition += count;
}

int CompositeEncodeState::RemainingBits() const {
  int size = 0;
  return target.RemainingBits(bitPosition, size);
}

}  // namespace composite
