// GS1 DataBar Limited: the item number range, the row and its separator.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "core/encode_error.h"
#include "databar/limited_encoder.h"

namespace databar {
namespace {

int Modules(const ElementWidth* widths, int32_t count) {
  return std::accumulate(widths, widths + count, 0);
}

int32_t Encode(const char* text, LinearSymbol& symbol) {
  DataBarSource source;
  source.linearText = text;
  return EncodeLimited(source, symbol);
}

TEST(LimitedEncoder, AcceptsItemNumbersBelowTwoTrillion) {
  for (const char* text : {"1999999999999", "999999999999", "0000000000000", "1501234567890"}) {
    LinearSymbol symbol{};
    ASSERT_EQ(Encode(text, symbol), 0) << text;
    EXPECT_EQ(symbol.rowLength, 46);
    EXPECT_EQ(Modules(symbol.row, 46), 74);
    EXPECT_EQ(symbol.ccRowCount, 0);
  }
}

TEST(LimitedEncoder, RefusesLargerItemNumbersAndBadText) {
  for (const char* text : {"2000000000000", "9999999999999", "15012345678901", "15O1234567890"}) {
    LinearSymbol symbol;
    symbol.rowLength = -7;
    EXPECT_EQ(Encode(text, symbol), kInvalidData) << text;
    EXPECT_EQ(symbol.rowLength, -7) << text;
  }
}

TEST(BuildLimitedSeparator, MatchesTheRowForManyItems) {
  // The separator is the row's complement with 4 light modules at each end.
  for (int64_t item = 0; item <= kLimitedLargestItem; item += 39'999'999'999) {
    InnerWidths inner;
    ASSERT_TRUE(EncodeLimitedCharacters(item, inner, 0));
    std::string row = "0101";
    for (int i = 0; i < kInnerWidthCount; ++i) {
      row.insert(row.size() - 2, inner[i], i % 2 == 0 ? '0' : '1');
    }
    SeparatorRow out;
    const int32_t count = BuildLimitedSeparator(inner, out);
    std::string separator;
    for (int i = 0; i < count; ++i)
      separator.append(out[i], i % 2 == 0 ? '0' : '1');
    ASSERT_EQ(separator.size(), 74u) << item;
    for (size_t m = 0; m < 74; ++m) {
      const char expected = m < 4 || m >= 70 ? '0' : (row[m] == '0' ? '1' : '0');
      ASSERT_EQ(separator[m], expected) << item << " module " << m;
    }
  }
}

}  // namespace
}  // namespace databar
