#include "composite/encode_target.h"

namespace composite {
namespace {

int RemainingCompositeBits(const int16_t* capacities, int usedBits, int& sizeIndex) {
  if (capacities == nullptr)
    return -1;
  for (int i = 0; capacities[i] != 0; ++i) {
    if (capacities[i] >= usedBits) {
      sizeIndex = i;
      return capacities[i] - usedBits;
    }
  }
  return -1;
}

int RemainingExpandedBits(int segmentsPerRow, int usedBits, int& characters) {
  characters = 0;
  if (usedBits > kMaxExpandedDataBits)
    return -1;
  int count = (usedBits + kExpandedCharacterBits - 1) / kExpandedCharacterBits;
  if (count < kMinExpandedDataCharacters)
    count = kMinExpandedDataCharacters;
  // With the check character, count + 1 symbol characters fill the rows; a last row holding a
  // single character is not allowed, so one more data character is added instead.
  if (segmentsPerRow > 0 && (count + 1) % segmentsPerRow == 1)
    ++count;
  characters = count;
  return count * kExpandedCharacterBits - usedBits;
}

}  // namespace

EncodeTarget EncodeTarget::Composite(const int16_t* capacities) {
  EncodeTarget target;
  target.kind = TargetComposite;
  target.capacities = capacities;
  return target;
}

EncodeTarget EncodeTarget::Expanded(int segmentsPerRow, ExpandedMethodChooser chooser) {
  EncodeTarget target;
  target.kind = TargetExpanded;
  target.segmentsPerRow = segmentsPerRow;
  target.chooseExpandedMethod = chooser;
  return target;
}

int EncodeTarget::RemainingBits(int usedBits, int& sizeResult) const {
  switch (kind) {
    case TargetComposite:
      return RemainingCompositeBits(capacities, usedBits, sizeResult);
    case TargetExpanded:
      return RemainingExpandedBits(segmentsPerRow, usedBits, sizeResult);
  }
  return -1;
}

}  // namespace composite
