// What the general-purpose encodation is filling: the sizes of a composite component, or the
// 12-bit data characters of a DataBar Expanded symbol. The target decides how the bit string is
// padded and, for Expanded, which method field comes first.
#pragma once

#include <cstdint>

namespace composite {

struct CompositeEncodeState;

enum EncodeTargetKind : int32_t {
  TargetComposite = 0,
  TargetExpanded = 1,
};

// Writes the Expanded encodation method field and any compressed data from the state's position
// and bit position, and returns the first general-purpose mode.
using ExpandedMethodChooser = int (*)(CompositeEncodeState& state);

struct EncodeTarget {
  EncodeTargetKind kind = TargetComposite;
  const int16_t* capacities = nullptr;  // composite: bit capacity of each size, 0-terminated
  int segmentsPerRow = 0;               // Expanded Stacked: segments per row
  ExpandedMethodChooser chooseExpandedMethod = nullptr;

  static EncodeTarget Composite(const int16_t* capacities);
  static EncodeTarget Expanded(int segmentsPerRow, ExpandedMethodChooser chooser);

  // The number of bits still to fill in the smallest size that holds `usedBits`, or -1 when no
  // size does. `sizeResult` receives the size: the index into the capacities for a composite
  // component, the number of data characters for Expanded.
  int RemainingBits(int usedBits, int& sizeResult) const;
};

constexpr int kMaxExpandedDataBits = 252;
constexpr int kExpandedCharacterBits = 12;
constexpr int kMinExpandedDataCharacters = 3;

}  // namespace composite
