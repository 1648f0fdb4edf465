// A 2D component attached to each linear form: the rows line up, and a component that cannot
// be built keeps the linear offsets and reports its error. The rows themselves are compared with
// zint's in tests/peers.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>

#include "core/encode_error.h"
#include "databar/limited_encoder.h"
#include "databar/omnidirectional_encoders.h"

namespace databar {
namespace {

// AI 99 with digits: 38 digits make the 8-row 3-column CC-A, 46 the 15-row CC-B.
const std::string kShortData = "99" + std::string(4, '1');
const std::string kEightRowsIn3Columns = "99" + std::string(38, '1');
const std::string kFifteenRowsIn3Columns = "99" + std::string(46, '1');
const std::string kTooLongFor2Columns = "99" + std::string(94, '1');
const std::string kTooLongForAll = "99" + std::string(200, 'a');

int Modules(const ElementWidth* widths, int32_t count) {
  return std::accumulate(widths, widths + count, 0);
}

DataBarSource Source(const std::string& composite) {
  DataBarSource source;
  source.linearText = "2001234567890";
  source.compositeText = composite.c_str();
  source.hasComposite = 1;
  return source;
}

DataBarSource LimitedSource(const std::string& composite) {
  DataBarSource source = Source(composite);
  source.linearText = "1501234567890";
  return source;
}

// Every row of the record, separators included, against one width.
void ExpectRowsOfWidth(const LinearSymbol& s, int width) {
  EXPECT_EQ(Modules(s.row, s.rowLength), width);
  EXPECT_EQ(Modules(s.ccSeparator, s.ccSeparatorLength), width);
  for (int32_t r = 0; r < s.ccRowCount; ++r)
    EXPECT_EQ(Modules(s.ccRows[r], s.ccRowLength), width) << "2D row " << r;
}

template <typename Record>
void ExpectStackedRowsOfWidth(const Record& s, int width) {
  EXPECT_EQ(Modules(s.topRow, s.topRowLength), width);
  EXPECT_EQ(Modules(s.bottomRow, s.bottomRowLength), width);
  EXPECT_EQ(Modules(s.ccSeparator, s.ccSeparatorLength), width);
  for (int32_t r = 0; r < s.ccRowCount; ++r)
    EXPECT_EQ(Modules(s.ccRows[r], s.ccRowLength), width) << "2D row " << r;
}

TEST(CompositeAttachment, OmnidirectionalRowAndSeparatorMoveFiveModulesRight) {
  LinearSymbol plain{};
  DataBarSource source = Source(kShortData);
  source.hasComposite = 0;
  ASSERT_EQ(EncodeOmnidirectional(source, plain), 0);
  LinearSymbol s{};
  ASSERT_EQ(EncodeOmnidirectional(Source(kShortData), s), 0);

  EXPECT_EQ(plain.row[0], 1);
  EXPECT_EQ(s.row[0], 6);
  EXPECT_EQ(s.ccRowLength, 53);
  EXPECT_EQ(s.ccRowCount, 3);
  ExpectRowsOfWidth(s, 101);
  // The 2D rows start at the symbol's left edge, with the 1-module space before their first bar.
  EXPECT_EQ(s.ccRows[0][0], 1);
  // The separator's first light element covers the row's 6 modules and 4 more.
  EXPECT_GE(s.ccSeparator[0], 9);
}

TEST(CompositeAttachment, StackedFormsGainSevenLightModulesAtTheRight) {
  StackedSymbol stacked{};
  ASSERT_EQ(EncodeStacked(Source(kShortData), stacked), 0);
  EXPECT_EQ(stacked.bottomRowLength, 27);
  EXPECT_EQ(stacked.bottomRow[26], 7);
  EXPECT_EQ(stacked.topRow[stacked.topRowLength - 1], 8);
  EXPECT_EQ(stacked.ccRowLength, 31);
  ExpectStackedRowsOfWidth(stacked, 57);

  StackedOmniSymbol omni{};
  ASSERT_EQ(EncodeStackedOmnidirectional(Source(kShortData), omni), 0);
  EXPECT_EQ(omni.bottomRowLength, 27);
  EXPECT_EQ(omni.rowSeparators[1][omni.rowSeparatorLengths[1] - 1], 11);
  // The separator under the component is the one over the upper row.
  ASSERT_EQ(omni.ccSeparatorLength, omni.rowSeparatorLengths[2]);
  EXPECT_TRUE(std::equal(omni.ccSeparator, omni.ccSeparator + omni.ccSeparatorLength,
                         omni.rowSeparators[2]));
  ExpectStackedRowsOfWidth(omni, 57);
}

TEST(CompositeAttachment, LimitedRowMovesTenModulesOnlyUnderACcB) {
  LinearSymbol ccA{};
  ASSERT_EQ(EncodeLimited(LimitedSource(kEightRowsIn3Columns), ccA), 0);
  EXPECT_EQ(ccA.ccRowCount, 8);
  EXPECT_EQ(ccA.ccRowLength, 39);
  EXPECT_EQ(ccA.row[0], 1);
  ExpectRowsOfWidth(ccA, 74);

  LinearSymbol ccB{};
  ASSERT_EQ(EncodeLimited(LimitedSource(kFifteenRowsIn3Columns), ccB), 0);
  EXPECT_EQ(ccB.ccRowCount, 15);
  EXPECT_EQ(ccB.ccRowLength, 45);
  EXPECT_EQ(ccB.row[0], 11);
  EXPECT_EQ(ccB.ccSeparator[0], ccA.ccSeparator[0] + 10);
  ExpectRowsOfWidth(ccB, 84);
}

TEST(CompositeAttachment, AFailingComponentKeepsTheOffsetsAndReturnsItsError) {
  LinearSymbol omni{};
  const int32_t result = EncodeOmnidirectional(Source(kTooLongForAll), omni);
  EXPECT_TRUE(result == kDataTooLong || result == kInternalOverflow) << result;
  EXPECT_EQ(omni.ccRowCount, 0);
  EXPECT_EQ(omni.row[0], 6);

  StackedSymbol stacked{};
  EXPECT_EQ(EncodeStacked(Source(kTooLongFor2Columns), stacked), kDataTooLong);
  EXPECT_EQ(stacked.ccRowCount, 0);
  EXPECT_EQ(stacked.bottomRowLength, 27);

  // No rows take the CC-A branch: no shift.
  LinearSymbol limited{};
  EXPECT_NE(EncodeLimited(LimitedSource(kTooLongForAll), limited), 0);
  EXPECT_EQ(limited.ccRowCount, 0);
  EXPECT_EQ(limited.ccRowLength, 39);
  EXPECT_EQ(limited.row[0], 1);
}

}  // namespace
}  // namespace databar
