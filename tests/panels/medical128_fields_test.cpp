#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "panels/medical128_form.h"

namespace {

using panels::Medical128Control;
using panels::Medical128Form;

TEST(Medical128Form, CheckDigitBoxFollowsTheProductCode) {
  Medical128Form form;
  form.productCode = "1234567890123";
  form.RefreshCheckDigit();
  EXPECT_EQ(form.checkDigit, "1");
  form.productCode = "123456789012";
  form.RefreshCheckDigit();
  EXPECT_EQ(form.checkDigit, "");
  form.productCode = "12345678901a3";
  form.RefreshCheckDigit();
  EXPECT_EQ(form.checkDigit, "");
}

TEST(Medical128Form, ClearDataKeepsCodeSetAndDimensions) {
  Medical128Form form;
  form.productCode = form.expiry = form.quantity = form.lot = form.checkDigit = "1";
  form.lotCodeSet = gs1_128::kLotCodeB;
  form.height = "20.000";
  form.ClearData();
  EXPECT_EQ(form.productCode + form.expiry + form.quantity + form.lot + form.checkDigit, "");
  EXPECT_EQ(form.lotCodeSet, gs1_128::kLotCodeB);
  EXPECT_EQ(form.height, "20.000");
  EXPECT_EQ(form.focus, Medical128Control::kProductCode);
}

TEST(Medical128Form, HeightIsReadLikeAStreamRoundedAndWrittenBack) {
  const struct {
    const char* text;
    bool valid;
    const char* normalised;
  } cases[] = {
      {"17", true, "17.000"},        {"17.000", true, "17.000"},  // only "17.00" is read
      {"12mm", true, "12.000"},      {"  1", true, "1.000"},     {".9996", true, "1.000"},
      {"200.0009", true, "200.000"}, {"0.5", false, nullptr},    {"201", false, nullptr},
      {"mm12", false, nullptr},      {"", false, nullptr},
  };
  for (const auto& c : cases) {
    Medical128Form form;
    form.height = c.text;
    double value = 0;
    EXPECT_EQ(form.ValidateHeight(value), c.valid) << c.text;
    EXPECT_EQ(form.height, c.valid ? c.normalised : c.text) << c.text;
  }
}

TEST(Medical128Form, NarrowWidthComesFromTheEntryOrTheTypedText) {
  Medical128Form form;
  double value = 0;
  ASSERT_TRUE(form.ValidateNarrowWidth(value));
  EXPECT_DOUBLE_EQ(value, 0.22);
  EXPECT_EQ(form.narrowWidthText, "0.220");

  const struct {
    const char* text;
    bool valid;
    const char* normalised;
  } typed[] = {
      {"9.999", true, "9.999"},  {"0.1", true, "0.100"},   {"0.099", false, nullptr},
      {"10", false, nullptr},    {".0999", true, "0.100"},  // rounded before the range check
      {"9.9999", true, "9.999"},                            // only five characters are read
  };
  for (const auto& c : typed) {
    form.narrowWidthEntry = -1;
    form.narrowWidthText = c.text;
    EXPECT_EQ(form.ValidateNarrowWidth(value), c.valid) << c.text;
    EXPECT_EQ(form.narrowWidthText, c.valid ? c.normalised : c.text) << c.text;
  }

  form.narrowWidthEntry = 5;
  form.narrowWidthText = "junk";
  ASSERT_TRUE(form.ValidateNarrowWidth(value));
  EXPECT_EQ(form.narrowWidthText, "0.254");
}

// Below the narrow width in force (the entry or the typed text), read like the number fields.
TEST(Medical128Form, BarWidthReductionLiesBelowTheNarrowWidth) {
  Medical128Form form;
  EXPECT_EQ(form.barWidthReduction, "0.000");
  form.productCode = "1234567890123";
  const struct {
    const char* text;
    const char* narrowWidth;
    bool valid;
    const char* normalised;
  } cases[] = {
      {"0.219", "0.220", true, "0.219"},   {"0.22", "0.220", false, nullptr},
      {"0.05", "0.1", true, "0.050"},      {"0.1", "0.1", false, nullptr},
      {"-1", "0.220", false, nullptr},     {"0.05mm", "0.220", true, "0.050"},
      {"0.04999", "0.220", true, "0.049"},  // only five characters are read
  };
  for (const auto& c : cases) {
    form.narrowWidthEntry = -1;
    form.narrowWidthText = c.narrowWidth;
    form.barWidthReduction = c.text;
    panels::Medical128Request request;
    const std::optional<panels::Medical128Failure> failure = form.Validate(request);
    EXPECT_EQ(!failure, c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(form.barWidthReduction, c.normalised);
      EXPECT_DOUBLE_EQ(request.barWidthReduction, std::stod(c.normalised));
    } else {
      EXPECT_EQ(failure->focus, Medical128Control::kBarWidthReduction) << c.text;
      EXPECT_EQ(form.barWidthReduction, c.text);
    }
  }
  form.barWidthReduction = "x";
  form.ResetDimensions();
  EXPECT_EQ(form.barWidthReduction, "0.000");
}

}  // namespace
