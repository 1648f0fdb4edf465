// EncodeDataBar over the stand-in host: dispatch, the request copies and the 2D text filter,
// the record's lifetime in host blocks, and the layout in points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "core/encode_error.h"
#include "databar/gs1_databar_symbol.h"
#include "emulator/emulator.h"
#include "host/suite_acquisition.h"

namespace databar {
namespace {

constexpr double kX = 0.353;  // module width in mm
constexpr float kPointsPerMm = 72.0f / 25.4f;

class EncodeDataBarTest : public ::testing::Test {
 protected:
  EncodeDataBarTest() { emulator_.NewDocument(); }

  int32_t Encode(CGS1DataBarSymbol& symbol, int32_t type, const char* primary,
                 const char* composite = "", int32_t showText = 0, int32_t fitText = 0,
                 int32_t textAsFrame = 0, const FieldString* fields = nullptr) {
    return symbol.EncodeDataBar(type, primary, fields, composite, kX, 10, 1, 2, 1, 12, 0, showText,
                                1, fitText, textAsFrame, 0, host::FixedFromInt(100),
                                host::FixedFromInt(200));
  }

  int blocksHeld() const { return emulator_.balance().blocksHeld; }

  emulator::Emulator emulator_;
  host::ScopedSuites suites_{emulator_.basic()};
};

TEST_F(EncodeDataBarTest, TruncatedAndUnknownTypesEncodeAsOmnidirectional) {
  CGS1DataBarSymbol reference;
  ASSERT_EQ(Encode(reference, kOmnidirectional, "2001234567890"), 0);
  for (const int32_t type : {int32_t{kTruncated}, int32_t{7}, int32_t{-1}}) {
    CGS1DataBarSymbol symbol;
    ASSERT_EQ(Encode(symbol, type, "2001234567890"), 0) << type;
    EXPECT_EQ(symbol.request().layout, DataBarLayout::kLinear);
    EXPECT_EQ(std::memcmp(&symbol.record<LinearSymbol>(), &reference.record<LinearSymbol>(),
                          sizeof(LinearSymbol)),
              0)
        << type;
  }
  EXPECT_EQ(ModuleRows(reference).size(), 1u);
  EXPECT_EQ(reference.request().checkDigit, 9);
}

TEST_F(EncodeDataBarTest, CompositeTextIsSplitIntoEncodedAndShownForms) {
  CGS1DataBarSymbol symbol;
  Encode(symbol, kOmnidirectional, "2001234567890", "(17)991231$(10)LOT#1^2");
  EXPECT_STREQ(symbol.request().encoderCompositeText, "1799123110LOT#1^2");
  EXPECT_STREQ(symbol.request().compositeText, "(17)991231$(10)LOT12");
  EXPECT_TRUE(symbol.request().hasCompositeText);
}

TEST_F(EncodeDataBarTest, ParenthesesEndEveryFieldThatNeedsFnc1) {
  // The encoder text reads back as the element strings the shown text holds: FNC1 after a
  // variable-length field that another follows, none after a fixed-length one, a typed '#' or
  // '^' kept and not doubled, line breaks ignored.
  const struct {
    const char* typed;
    const char* encoded;
  } cases[] = {
      {"(10)LOT1001(17)991231", "10LOT1001#17991231"},
      {"(10)LOT1001#(17)991231", "10LOT1001#17991231"},
      {"(10)LOT1001^(17)991231", "10LOT1001^17991231"},
      {"(10)A$(21)B$(17)991231", "10A#21B#17991231"},
      {"(17)991231(10)A(8005)123456(30)5", "1799123110A#8005123456#305"},
      {"(7777)AB(10)A", "7777AB#10A"},  // an AI no one knows gets FNC1 too
      {"10LOT(17)", "10LOT17"},         // no AI before the first '('
  };
  for (const auto& c : cases) {
    CGS1DataBarSymbol symbol;
    Encode(symbol, kOmnidirectional, "2001234567890", c.typed);
    EXPECT_STREQ(symbol.request().encoderCompositeText, c.encoded) << c.typed;
  }
}

TEST_F(EncodeDataBarTest, TwoDTextOfOnlyParenthesesIsRefusedAndKeepsNoRecord) {
  CGS1DataBarSymbol symbol;
  EXPECT_EQ(Encode(symbol, kStacked, "2001234567890", "()()"), kInvalidData);
  EXPECT_FALSE(symbol.hasRecord());
  EXPECT_EQ(blocksHeld(), 0);
}

TEST_F(EncodeDataBarTest, ATwoDComponentThatCannotBeBuiltIsReportedAndKeepsNoRecord) {
  // More than the largest 2-column component holds.
  const std::string composite = "(99)" + std::string(96, '1');
  CGS1DataBarSymbol symbol;
  EXPECT_EQ(Encode(symbol, kStacked, "2001234567890", composite.c_str()), kDataTooLong);
  EXPECT_FALSE(symbol.hasRecord());
  EXPECT_EQ(blocksHeld(), 0);
  // The same data fits over Omnidirectional.
  ASSERT_EQ(Encode(symbol, kOmnidirectional, "2001234567890", composite.c_str()), 0);
  EXPECT_GT(symbol.record<LinearSymbol>().ccRowCount, 0);
}

TEST_F(EncodeDataBarTest, LayoutIncludesTheComponentAndItsOffsets) {
  CGS1DataBarSymbol symbol;
  ASSERT_EQ(Encode(symbol, kOmnidirectional, "2001234567890", "(99)1111"), 0);
  const SymbolDimensions& d = symbol.request().dimensions;
  ASSERT_EQ(symbol.record<LinearSymbol>().ccRowCount, 3);
  EXPECT_FLOAT_EQ(symbol.geometry().height, d.rowHeight + d.ccSeparatorHeight + 3 * d.ccRowHeight);
  EXPECT_FLOAT_EQ(symbol.geometry().width, 101 * d.moduleWidth);
}

TEST_F(EncodeDataBarTest, TooLongTextsAreRefusedNotCut) {
  CGS1DataBarSymbol symbol;
  const std::string primary(kPrimaryTextLength + 1, '1');
  EXPECT_EQ(Encode(symbol, kOmnidirectional, primary.c_str()), kInvalidData);
  const std::string composite(kCompositeTextLength + 1, '1');
  EXPECT_EQ(Encode(symbol, kOmnidirectional, "1", composite.c_str()), kInvalidData);

  FieldString fields[kFieldStringCount] = {};
  std::memset(fields[3], '7', kFieldStringLength);
  ASSERT_EQ(Encode(symbol, kOmnidirectional, "1", "", 0, 0, 0, fields), 0);
  EXPECT_EQ(std::string(symbol.request().fieldStrings[3]), std::string(kFieldStringLength, '7'));
  std::memset(fields[14], '7', sizeof fields[14]);  // no terminator within the field
  EXPECT_EQ(Encode(symbol, kOmnidirectional, "1", "", 0, 0, 0, fields), kInvalidData);
  EXPECT_FALSE(symbol.hasRecord());
  EXPECT_EQ(blocksHeld(), 0);
}

TEST_F(EncodeDataBarTest, OneRecordIsHeldUntilTheNextCallOrTheEnd) {
  {
    CGS1DataBarSymbol symbol;
    ASSERT_EQ(Encode(symbol, kStackedOmnidirectional, "2001234567890"), 0);
    EXPECT_EQ(blocksHeld(), 1);
    ASSERT_EQ(Encode(symbol, kLimited, "1501234567890"), 0);
    EXPECT_EQ(blocksHeld(), 1);
    EXPECT_EQ(Encode(symbol, kLimited, "2501234567890"), kInvalidData);
    EXPECT_EQ(blocksHeld(), 0);
    ASSERT_EQ(Encode(symbol, kStacked, "2001234567890"), 0);
    EXPECT_EQ(symbol.record<StackedSymbol>().ccRowCount, 0);
  }
  EXPECT_EQ(blocksHeld(), 0);
}

TEST_F(EncodeDataBarTest, AFailedAllocationIsReportedWithTheHostsCode) {
  emulator_.FailCall("Blocks.AllocateBlock", 1);
  CGS1DataBarSymbol symbol;
  EXPECT_EQ(Encode(symbol, kOmnidirectional, "2001234567890"), emulator::kInjectedError);
  EXPECT_FALSE(symbol.hasRecord());
  EXPECT_TRUE(ModuleRows(symbol).empty());
}

TEST_F(EncodeDataBarTest, LayoutWithoutTextIsTheRowsAlone) {
  CGS1DataBarSymbol symbol;
  ASSERT_EQ(Encode(symbol, kStackedOmnidirectional, "2001234567890"), 0);
  const SymbolGeometry& g = symbol.geometry();
  const SymbolDimensions& d = symbol.request().dimensions;
  EXPECT_FLOAT_EQ(d.secondRowHeight, 12 * kPointsPerMm);
  EXPECT_FLOAT_EQ(g.width, 50 * d.moduleWidth);
  EXPECT_FLOAT_EQ(g.height, 3 * d.separatorHeight + d.rowHeight + d.secondRowHeight);
  EXPECT_EQ(g.left, 100.0f);
  EXPECT_EQ(g.textLeft, 100.0f);
  EXPECT_EQ(g.bottom, 200.0f);
}

TEST_F(EncodeDataBarTest, TextWiderThanTheRowsCentresTheRowsUnderIt) {
  // 18 cells of 5.65 X are wider than the 96 modules of Omnidirectional.
  CGS1DataBarSymbol symbol;
  ASSERT_EQ(Encode(symbol, kOmnidirectional, "2001234567890", "", 1, 0, 0), 0);
  const SymbolGeometry& g = symbol.geometry();
  const float x = symbol.request().dimensions.moduleWidth;
  EXPECT_NEAR(g.width, 18 * 5.65 * x, 1e-3);
  EXPECT_NEAR(g.left - 100.0f, (18 * 5.65 - 96) / 2 * x, 1e-3);
  EXPECT_NEAR(g.textLeft, 100 + 5.65 * x / 2, 1e-3);
  EXPECT_NEAR(g.height, 10 * kPointsPerMm + 8.2 * x, 1e-3);
}

TEST_F(EncodeDataBarTest, FittedTextIsCentredOverTheBars) {
  // Limited: rows of 74 modules, no end spaces beyond the guards' 1-module space at the left;
  // the background also covers the 5 light modules after the right guard.
  CGS1DataBarSymbol symbol;
  ASSERT_EQ(Encode(symbol, kLimited, "1501234567890", "", 1, 1, 0), 0);
  const SymbolGeometry& g = symbol.geometry();
  const double x = symbol.request().dimensions.moduleWidth;
  const double unit = x * static_cast<double>(0.72f);
  EXPECT_FLOAT_EQ(g.textUnit, static_cast<float>(unit));
  EXPECT_FLOAT_EQ(g.textAdvance, static_cast<float>(static_cast<double>(5.65f) * g.textUnit));
  EXPECT_FLOAT_EQ(g.width, static_cast<float>(79 * x));
  EXPECT_EQ(g.left, 100.0f);
  const double textWidth = 18.0 * g.textAdvance;
  EXPECT_NEAR(g.textLeft, 100 + 1 * x + (73 * x - textWidth) / 2 + g.textAdvance / 2.0, 1e-4);
}

// The 5 light modules after Limited's right guard widen the background only where it ended
// before them: with the unfitted text wider than the symbol nothing changes, and with a 2D part
// of more than 8 rows they follow the linear row moved 10 modules right.
TEST_F(EncodeDataBarTest, LimitedBackgroundCoversTheLightModulesAfterTheRightGuard) {
  CGS1DataBarSymbol symbol;
  ASSERT_EQ(Encode(symbol, kLimited, "1501234567890", "", 0, 0, 0), 0);
  const double x = symbol.request().dimensions.moduleWidth;
  EXPECT_FLOAT_EQ(symbol.geometry().width, static_cast<float>(79 * x));
  ASSERT_EQ(Encode(symbol, kLimited, "1501234567890", "", 1, 0, 0), 0);
  EXPECT_NEAR(symbol.geometry().width, 18 * 5.65 * x, 1e-3);
  EXPECT_NEAR(symbol.geometry().left - 100.0f, (18 * 5.65 - 74) / 2 * x, 1e-3);
  ASSERT_EQ(Encode(symbol, kLimited, "1501234567890",
                   "(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKLMNOPQRST", 0, 0, 0),
            0);
  ASSERT_GT(symbol.record<LinearSymbol>().ccRowCount, 8);
  EXPECT_FLOAT_EQ(symbol.geometry().width, static_cast<float>(89 * x));
}

TEST_F(EncodeDataBarTest, TextFramesReserveNoBand) {
  CGS1DataBarSymbol symbol;
  ASSERT_EQ(Encode(symbol, kStacked, "2001234567890", "", 1, 1, 1), 0);
  const SymbolDimensions& d = symbol.request().dimensions;
  EXPECT_FLOAT_EQ(symbol.geometry().height, d.rowHeight + d.separatorHeight + d.secondRowHeight);
  EXPECT_EQ(symbol.geometry().textLeft, symbol.geometry().left);
}

// The bands that are drawn and dumped are the ones the layout measured: their heights add up to
// the symbol's height, for every layout with and without a 2D component.
TEST_F(EncodeDataBarTest, BandsFillTheMeasuredHeight) {
  const struct {
    int32_t type;
    const char* primary;
  } cases[] = {{kOmnidirectional, "2001234567890"},
               {kStacked, "2001234567890"},
               {kStackedOmnidirectional, "2001234567890"},
               {kLimited, "1501234567890"},
               {kExpanded, "0100012345678905"}};
  for (const auto& c : cases) {
    for (const char* composite : {"", "(10)ABC123"}) {
      CGS1DataBarSymbol symbol;
      ASSERT_EQ(
          symbol.EncodeDataBar(c.type, c.primary, nullptr, composite, kX, 10, 1, 2, 1, 12, 4, 0, 1,
                               0, 0, 0, host::FixedFromInt(100), host::FixedFromInt(200)),
          0)
          << c.type << composite;
      const BandList list = symbol.Bands();
      double height = 0;
      for (const Band& band : list.bands())
        height += band.height;
      EXPECT_NEAR(height, symbol.geometry().height, 1e-3) << c.type << composite;
      EXPECT_GT(list.bands().size(), composite[0] == '\0' ? 0u : 2u) << c.type;
    }
  }
}

// The host hands a freed block out again, with the last record's rows and separators still in
// it: a record is cleared only as far as its encoder needs, and must come out the same.
TEST_F(EncodeDataBarTest, ARecordInAReusedBlockComesOutAsInAFreshOne) {
  const auto encode = [](int32_t segmentsPerRow, const char* primary, const char* composite) {
    CGS1DataBarSymbol symbol;
    EXPECT_EQ(symbol.EncodeDataBar(kExpanded, primary, nullptr, composite, kX, 10, 1, 2, 1, 12,
                                   segmentsPerRow, 0, 1, 0, 0, 0, host::FixedFromInt(100),
                                   host::FixedFromInt(200)),
              0)
        << primary;
    return ModuleRows(symbol);
  };
  const char* tall =
      "0100012345678905"
      "3103001234"
      "15991231"
      "10ABCDEFGH";
  const std::vector<std::string> small = encode(22, "0100012345678905", "");
  const std::vector<std::string> smallWithComponent = encode(22, "0100012345678905", "(21)XYZ");
  const std::vector<std::string> tallRows = encode(4, tall, "(21)ABCDEFGHIJKL(240)XYZ");
  const std::vector<std::string> tallest = encode(2, tall, "");
  ASSERT_GT(tallest.size(), tallRows.size());
  EXPECT_EQ(encode(22, "0100012345678905", ""), small);
  EXPECT_EQ(encode(22, "0100012345678905", "(21)XYZ"), smallWithComponent);
  EXPECT_EQ(encode(4, tall, "(21)ABCDEFGHIJKL(240)XYZ"), tallRows);
  EXPECT_EQ(encode(2, tall, ""), tallest);
  EXPECT_EQ(blocksHeld(), 0);
}

}  // namespace
}  // namespace databar
