#include "composite/size_tables.h"

#include <cstddef>

#include "composite/bit_buffer.h"

namespace composite {
namespace {

constexpr int16_t kCcAAddressOffset = 32;

template <std::size_t N>
constexpr CompositeSizeTable MakeTable(int columns, int ccACount, const CompositeSize (&sizes)[N]) {
  static_assert(N <= kMaxSizesPerTable);
  CompositeSizeTable table{columns, ccACount, 0, {}, {}};
  for (const CompositeSize& size : sizes) {
    table.capacities[table.count] = size.bits;
    table.sizes[table.count++] = size;
  }
  return table;
}

// CC-B carries its bytes as 920, a mode codeword, five codewords per six bytes and one per byte
// left over.
constexpr int CcBDataCodewords(int bits) {
  return 2 + 5 * (bits / 8 / 6) + bits / 8 % 6;
}

// CC-A carries each group of up to 69 bits in n / 10 + 1 codewords.
constexpr int CcADataCodewords(int bits) {
  int codewords = 0;
  for (; bits > 0; bits -= 69)
    codewords += (bits < 69 ? bits : 69) / 10 + 1;
  return codewords;
}

constexpr bool IsConsistent(const CompositeSizeTable& table) {
  for (int i = 0; i < table.count; ++i) {
    const CompositeSize& s = table.sizes[i];
    const int data = table.IsCcB(i) ? CcBDataCodewords(s.bits) : CcADataCodewords(s.bits);
    if (s.dataCodewords != data || s.dataCodewords + s.ecCodewords != s.rows * table.columns ||
        s.rows > kMaxComponentRows || s.bits > kBitCapacity || s.startAddress < 1 ||
        s.startAddress > kRowAddressCount || (i > 0 && s.bits <= table.sizes[i - 1].bits)) {
      return false;
    }
  }
  return table.capacities[table.count] == 0;
}

// Rows, bits, data codewords, error correction codewords, start address, address offset.
constexpr CompositeSize kTwoColumnSizes[] = {
    {5, 59, 6, 4, 39, kCcAAddressOffset},
    {6, 78, 8, 4, 1, kCcAAddressOffset},
    {7, 88, 9, 5, 32, kCcAAddressOffset},
    {8, 108, 11, 5, 8, kCcAAddressOffset},
    {9, 118, 12, 6, 14, kCcAAddressOffset},
    {10, 138, 14, 6, 43, kCcAAddressOffset},
    {12, 167, 17, 7, 20, kCcAAddressOffset},
    {17, 208, 24, 10, 36, 0},
    {20, 256, 29, 11, 19, 0},
    {23, 296, 33, 13, 9, 8},
    {26, 336, 37, 15, 27, 8},
};
constexpr CompositeSizeTable kTwoColumns = MakeTable(2, 7, kTwoColumnSizes);

constexpr CompositeSize kThreeColumnSizes[] = {
    {4, 78, 8, 4, 11, kCcAAddressOffset},
    {5, 98, 10, 5, 1, kCcAAddressOffset},
    {6, 118, 12, 6, 5, kCcAAddressOffset},
    {7, 138, 14, 7, 15, kCcAAddressOffset},
    {8, 167, 17, 7, 21, kCcAAddressOffset},
    {15, 208, 24, 21, 37, 0},
    {20, 304, 34, 26, 1, 16},
    {26, 416, 46, 32, 1, 8},
    {32, 536, 58, 38, 21, 8},
    {38, 648, 70, 44, 15, 16},
    {44, 768, 82, 50, 1, 24},
};
constexpr CompositeSizeTable kThreeColumns = MakeTable(3, 5, kThreeColumnSizes);

constexpr CompositeSize kFourColumnSizes[] = {
    {3, 78, 8, 4, 40, kCcAAddressOffset},
    {4, 108, 11, 5, 43, kCcAAddressOffset},
    {5, 138, 14, 6, 46, kCcAAddressOffset},
    {6, 167, 17, 7, 34, kCcAAddressOffset},
    {7, 197, 20, 8, 29, kCcAAddressOffset},
    {10, 208, 24, 16, 15, 0},
    {12, 264, 30, 18, 25, 0},
    {15, 352, 39, 21, 37, 0},
    {20, 496, 54, 26, 1, 16},
    {26, 672, 72, 32, 1, 8},
    {32, 840, 90, 38, 21, 8},
    {38, 1016, 108, 44, 15, 16},
    {44, 1184, 126, 50, 1, 24},
};
constexpr CompositeSizeTable kFourColumns = MakeTable(4, 5, kFourColumnSizes);

static_assert(IsConsistent(kTwoColumns) && IsConsistent(kThreeColumns) &&
              IsConsistent(kFourColumns));

}  // namespace

const CompositeSizeTable* SizeTableFor(int columns) {
  switch (columns) {
    case 2:
      return &kTwoColumns;
    case 3:
      return &kThreeColumns;
    case 4:
      return &kFourColumns;
  }
  return nullptr;
}

}  // namespace composite
