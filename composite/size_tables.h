// The sizes of the composite component for 2, 3 and 4 data columns, as the CC-A and CC-B symbol
// size tables of ISO/IEC 24723 give them: CC-A sizes first, then CC-B, in order of capacity.
#pragma once

#include <array>
#include <cstdint>

namespace composite {

constexpr int kMaxSizesPerTable = 13;
constexpr int kMaxComponentRows = 44;
constexpr int kMaxCodewords = kMaxComponentRows * 4;
constexpr int kRowAddressCount = 52;

struct CompositeSize {
  int16_t rows;
  int16_t bits;  // data bit capacity; a CC-B carries bits / 8 bytes
  int16_t dataCodewords;
  int16_t ecCodewords;
  int16_t startAddress;   // left row address of the top row, 1..52
  int16_t addressOffset;  // centre pattern lies this far after the left one, right twice as far
};

struct CompositeSizeTable {
  int columns;
  int ccACount;  // sizes below this index are CC-A
  int count;
  std::array<CompositeSize, kMaxSizesPerTable> sizes;
  // Bit capacity of each size, 0-terminated: what the data is padded to.
  std::array<int16_t, kMaxSizesPerTable + 1> capacities;

  constexpr bool IsCcB(int index) const { return index >= ccACount; }
};

// The table for 2, 3 or 4 columns; null for any other count.
const CompositeSizeTable* SizeTableFor(int columns);

}  // namespace composite
