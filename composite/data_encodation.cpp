#include "composite/data_encodation.h"

#include "composite/general_purpose_modes.h"
#include "composite/method_field.h"
#include "databar/encode_error.h"

namespace composite {
namespace {

constexpr int kPadPattern = 0b00100;  // an alphanumeric latch, repeated

int ChooseFirstMode(CompositeEncodeState& state) {
  if (state.target.kind != TargetExpanded)
    return ChooseCompositeMethod(state);
  state.bitPosition = 1;  // bit 0 is the linkage flag
  return state.target.chooseExpandedMethod(state);
}

}  // namespace

int EncodeDataBits(const EncodeTarget& target, char* text, BitBuffer& bits) {
  if (target.kind == TargetExpanded && target.chooseExpandedMethod == nullptr) {
    databar::EncodeError = databar::kInternalOverflow;
    return -1;
  }
  CompositeEncodeState state(target, text, bits);
  int mode = ChooseFirstMode(state);
  while (mode != kDoneMode) {
    if (state.Overflowed())
      return -1;
    switch (mode) {
      case kNumericMode:
        mode = EncodeNumeric(state);
        break;
      case kAlphanumericMode:
        mode = EncodeAlphanumeric(state);
        break;
      case kIso646Mode:
        mode = EncodeIso646(state);
        break;
      default:
        databar::EncodeError = databar::kInternalOverflow;
        return -1;
    }
  }
  return PadBits(state);
}

int PadBits(CompositeEncodeState& state) {
  int size = 0;
  int remaining = state.target.RemainingBits(state.bitPosition, size);
  if (remaining < 0)
    return -1;
  for (; remaining > 4; remaining -= 5)
    state.Write(5, kPadPattern);
  state.Write(remaining, kPadPattern >> (5 - remaining));
  return size;
}

}  // namespace composite
