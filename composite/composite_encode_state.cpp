#include "composite/composite_encode_state.h"

namespace composite {

int CompositeEncodeState::RemainingBits() const {
  int size = 0;
  return target.RemainingBits(bitPosition, size);
}

}  // namespace composite
