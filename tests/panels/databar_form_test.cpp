// The GS1 DataBar panel's form: length reading, minimums, defaults and the validation order with
// the field each failure focuses.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "panels/databar_form.h"
#include "panels/length_field.h"
#include "panels/messages.h"

namespace panels {
namespace {

TEST(ReadLength, NormalisesToThreeDecimalsWithinItsBounds) {
  EXPECT_EQ(ReadLength("0.35", 9.999)->formatted, "0.350");
  EXPECT_EQ(ReadLength("  12mm", 200)->formatted, "12.000");  // reading stops at the unit
  EXPECT_EQ(ReadLength("0.1", 9.999)->value, 0.1);
  EXPECT_EQ(ReadLength("9.9994", 9.999)->formatted, "9.999");  // rounded before the range check
  EXPECT_FALSE(ReadLength("9.9996", 9.999));                   // rounds to 10.000
  EXPECT_FALSE(ReadLength("10", 9.999));
  EXPECT_FALSE(ReadLength("0.0994", 9.999));
  EXPECT_EQ(ReadLength("0.0996", 9.999)->formatted, "0.100");
  EXPECT_EQ(ReadLength("200", 200)->formatted, "200.000");
  EXPECT_FALSE(ReadLength("-1", 200));
  for (const char* text : {"", "   ", "mm", "inf", "nan", ".", "x1", "0x1p3"}) {
    EXPECT_FALSE(ReadLength(text, 200)) << text;
  }
  // Only the 7 characters an edit field holds are read.
  EXPECT_EQ(ReadLength("1.234567", 200)->formatted, "1.235");
  EXPECT_EQ(ReadLength("1234567", 200), std::nullopt);
}

// Short numbers are read on a quicker path than std::from_chars: the value must be the same
// double for every text a field may hold, and where the quick path stops (long digits, an
// exponent, a second point, a unit after the number).
TEST(ReadDecimal, ReadsTheValueStdFromCharsReads) {
  std::mt19937 random(5);
  constexpr std::string_view kCharacters = "0123456789012345678901234567890123456789..e-+m ";
  std::uniform_int_distribution<size_t> pick(0, kCharacters.size() - 1);
  std::uniform_int_distribution<int> length(1, 22);
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    for (int n = length(random); n > 0; --n)
      text += kCharacters[pick(random)];
    const size_t start = text.find_first_not_of(' ');
    const bool signed_ = start != std::string::npos && (text[start] == '-' || text[start] == '+');
    const size_t digits = start == std::string::npos ? text.size() : start + (signed_ ? 1 : 0);
    double expected = 0;
    const auto read = std::from_chars(text.data() + digits, text.data() + text.size(), expected);
    const bool readable = digits < text.size() && text[digits] != '-' && text[digits] != '+' &&
                          read.ec == std::errc();
    const std::optional<double> value = ReadDecimal(text);
    ASSERT_EQ(value.has_value(), readable) << text;
    if (readable) {
      const double signedExpected = text[start] == '-' ? -expected : expected;
      ASSERT_EQ(std::bit_cast<uint64_t>(*value), std::bit_cast<uint64_t>(signedExpected)) << text;
    }
  }
}

TEST(DataBarForm, DefaultsAndMinimumsFollowTheTypeAndModuleWidth) {
  DataBarForm form;
  EXPECT_EQ(form.lengths.moduleWidth, "0.353");
  EXPECT_EQ(form.lengths.height, "11.649");  // 33 X
  EXPECT_EQ(form.lengths.separatorHeight, "0.353");
  EXPECT_EQ(form.lengths.compositeRowHeight, "0.706");
  EXPECT_EQ(form.lengths.stackedSeparatorHeight, "");
  EXPECT_TRUE(form.showText && form.textAsOutlines && form.fitText);
  EXPECT_FALSE(form.textAsFrame || form.showCompositeText);

  form.type = databar::kStackedOmnidirectional;
  form.ApplyDefaults();
  EXPECT_EQ(form.lengths.secondRowHeight, "11.649");
  EXPECT_EQ(form.lengths.stackedSeparatorHeight, "0.353");

  const std::pair<int32_t, const char*> heights[] = {
      {databar::kTruncated, "4.589"}, {databar::kStacked, "1.765"}, {databar::kLimited, "3.530"}};
  for (const auto& [type, height] : heights) {
    form.type = type;
    form.RefreshMinimums();
    EXPECT_EQ(form.minimums.height, height) << type;
  }
  form.type = databar::kStacked;
  form.RefreshMinimums();
  EXPECT_EQ(form.minimums.secondRowHeight, "2.471");  // 7 X

  // A module width that is not a length changes nothing.
  form.lengths.moduleWidth = "abc";
  form.RefreshMinimums();
  EXPECT_EQ(form.minimums.height, "1.765");
}

struct Refusal {
  const char* what;
  void (*change)(DataBarForm&);
  const char* message;
  DataBarField focus;
};

TEST(DataBarForm, ValidationStopsAtTheFirstFailureInThePanelsOrder) {
  const Refusal refusals[] = {
      {"12 digits", [](DataBarForm& f) { f.itemNumber = "200123456789"; }, kMsgItemNumber.japanese,
       DataBarField::kItemNumber},
      {"letter", [](DataBarForm& f) { f.itemNumber = "200123456789O"; }, kMsgItemNumber.japanese,
       DataBarField::kItemNumber},
      {"limited from 2",
       [](DataBarForm& f) {
         f.type = databar::kLimited;
         f.itemNumber = "2001234567890";
       },
       kMsgLimitedItemNumber.japanese, DataBarField::kItemNumber},
      {"only parentheses", [](DataBarForm& f) { f.compositeText = "()"; },
       kMsgCompositeText.japanese, DataBarField::kCompositeText},
      {"line feed", [](DataBarForm& f) { f.compositeText = "10AB\n"; }, kMsgCompositeText.japanese,
       DataBarField::kCompositeText},
      {"too long 2D", [](DataBarForm& f) { f.compositeText = std::string(101, '1'); },
       kMsgCompositeText.japanese, DataBarField::kCompositeText},
      {"module width", [](DataBarForm& f) { f.lengths.moduleWidth = "10"; },
       kMsgModuleWidth.japanese, DataBarField::kModuleWidth},
      {"height", [](DataBarForm& f) { f.lengths.height = "200.1"; }, kMsgHeight.japanese,
       DataBarField::kHeight},
      {"separator", [](DataBarForm& f) { f.lengths.separatorHeight = "0"; },
       kMsgSeparatorHeight.japanese, DataBarField::kSeparatorHeight},
      {"2D row", [](DataBarForm& f) { f.lengths.compositeRowHeight = ""; },
       kMsgCompositeRowHeight.japanese, DataBarField::kCompositeRowHeight},
      {"stacked separator",
       [](DataBarForm& f) {
         f.type = databar::kStacked;
         f.lengths.stackedSeparatorHeight = "";
       },
       kMsgStackedSeparatorHeight.japanese, DataBarField::kStackedSeparatorHeight},
      {"lower row",
       [](DataBarForm& f) {
         f.type = databar::kStackedOmnidirectional;
         f.lengths.stackedSeparatorHeight = "1";
         f.lengths.secondRowHeight = "201";
       },
       kMsgSecondRowHeight.japanese, DataBarField::kSecondRowHeight},
      {"reduction as wide as the module",
       [](DataBarForm& f) {
         f.lengths.moduleWidth = "0.2";
         f.lengths.barWidthReduction = "0.1999";  // rounds to 0.200
       },
       kMsgBarWidthReduction.japanese, DataBarField::kBarWidthReduction},
      {"negative reduction", [](DataBarForm& f) { f.lengths.barWidthReduction = "-0.01"; },
       kMsgBarWidthReduction.japanese, DataBarField::kBarWidthReduction},
      {"no reduction", [](DataBarForm& f) { f.lengths.barWidthReduction = ""; },
       kMsgBarWidthReduction.japanese, DataBarField::kBarWidthReduction},
  };
  for (const Refusal& refusal : refusals) {
    DataBarForm form;
    form.itemNumber = "2001234567890";
    refusal.change(form);
    DataBarLengths accepted;
    const std::optional<DataBarFailure> failure = form.Validate(accepted);
    ASSERT_TRUE(failure) << refusal.what;
    EXPECT_EQ(failure->message, refusal.message) << refusal.what;
    EXPECT_EQ(failure->focus, refusal.focus) << refusal.what;
  }
}

TEST(DataBarForm, AcceptedLengthsAreWrittenBackAndStackedFieldsIgnoredForOtherTypes) {
  DataBarForm form;
  form.itemNumber = "1501234567890";
  form.type = databar::kLimited;
  form.compositeText = "(17)991231$(10)LOT1#";
  form.lengths.moduleWidth = "0.35";
  form.lengths.height = " 12";
  form.lengths.stackedSeparatorHeight = "not read";
  DataBarLengths accepted;
  ASSERT_FALSE(form.Validate(accepted));
  EXPECT_EQ(form.lengths.moduleWidth, "0.350");
  EXPECT_EQ(form.lengths.height, "12.000");
  EXPECT_EQ(form.lengths.stackedSeparatorHeight, "not read");
  EXPECT_DOUBLE_EQ(accepted.moduleWidth, 0.35);
  EXPECT_EQ(accepted.stackedSeparatorHeight, 0);
  EXPECT_EQ(form.lengths.barWidthReduction, "0.000");  // the default: no reduction

  // A reduction may be anything from 0 to a thousandth below the module width.
  for (const auto& [typed, normalised] :
       {std::pair{"-0", "0.000"}, {".05", "0.050"}, {"0.3494", "0.349"}, {"0.0004mm", "0.000"}}) {
    form.lengths.barWidthReduction = typed;
    ASSERT_FALSE(form.Validate(accepted)) << typed;
    EXPECT_EQ(form.lengths.barWidthReduction, normalised);
    EXPECT_DOUBLE_EQ(accepted.barWidthReduction, std::stod(normalised));
  }
}

TEST(DataBarForm, CheckDigitShowsOnlyForAValidItemNumber) {
  DataBarForm form;
  form.itemNumber = "2001234567890";
  form.RefreshCheckDigit();
  EXPECT_EQ(form.checkDigit, "9");
  form.itemNumber = "200123456789";
  form.RefreshCheckDigit();
  EXPECT_EQ(form.checkDigit, "");
  form.type = databar::kLimited;
  form.itemNumber = "2001234567890";
  form.RefreshCheckDigit();
  EXPECT_EQ(form.checkDigit, "");
}

}  // namespace
}  // namespace panels
