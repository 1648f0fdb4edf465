#include <gtest/gtest.h>

#include <string>

#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "panels/medical128_form.h"
#include "tests/panels/medical128_messages.h"

namespace {

using panels::Medical128Control;
using panels::Medical128Form;
using panels::Medical128Outcome;

using namespace medical128_test;

class Medical128CreateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    emulator_.NewDocument({300.0f, 400.0f});
    ASSERT_EQ(suites_.result(), host::kNoError);
    form_.productCode = "1234567890123";
    form_.height = "17";
  }

  // The symbol groups made inside the layer's first art.
  int SymbolCount() { return static_cast<int>(emulator_.document()->group().children.size()); }
  const emulator::Art& Symbol(int n = 0) { return *emulator_.document()->group().children.at(n); }
  std::u16string SymbolText(int n = 0) { return Symbol(n).children.back()->text.text; }

  emulator::Emulator emulator_;
  host::ScopedSuites suites_{emulator_.basic()};
  Medical128Form form_;
};

TEST_F(Medical128CreateTest, ProductCodeOnlyCreatesTheSymbolAtTheViewCentre) {
  const panels::Medical128Result result = form_.CreateMedical128();
  EXPECT_EQ(result.outcome, Medical128Outcome::kCreated);
  EXPECT_EQ(form_.height, "17.000");
  EXPECT_EQ(form_.narrowWidthText, "0.220");
  EXPECT_EQ(form_.focus, Medical128Control::kNone);
  EXPECT_TRUE(emulator_.alerts().empty());

  ASSERT_EQ(SymbolCount(), 1);
  const emulator::Art& symbol = Symbol();
  ASSERT_EQ(symbol.kind, emulator::ArtKind::kGroup);
  ASSERT_EQ(symbol.children.size(), 76u);
  EXPECT_FLOAT_EQ(symbol.children[0]->path.segments[0].p.h, 300.0f);
  EXPECT_FLOAT_EQ(symbol.children[0]->path.segments[0].p.v, 400.0f);
  EXPECT_EQ(SymbolText(), u"(01)12345678901231");
  EXPECT_EQ(emulator_.balance().textObjectsHeld, 0);
  EXPECT_EQ(emulator_.balance().stringsHeld, 0);
}

TEST_F(Medical128CreateTest, NormalisedQuantityIsEncodedAndPrinted) {
  form_.expiry = "991200";  // day 00: the whole month
  form_.quantity = "007";
  form_.lot = "AB,C";
  ASSERT_EQ(form_.CreateMedical128().outcome, Medical128Outcome::kCreated);
  EXPECT_EQ(form_.quantity, "007");  // the field keeps the typed text
  EXPECT_EQ(SymbolText(), u"(01)12345678901231(17)991200(30)7(10)AB,C");
}

// Every rule with its message and focus; nothing is drawn and the first failing rule wins.
TEST_F(Medical128CreateTest, FieldRulesShowTheirMessageAndFocusTheirField) {
  const struct Case {
    const char *productCode, *expiry, *quantity, *lot;
    int codeSet;
    const char *height, *narrowWidth;  // narrowWidth typed into the list, or null for the entry
    const char* message;               // null when the fields pass
    Medical128Control focus;
  } cases[] = {
      {"12345678901234", "", "", "", 0, "17", nullptr, kProductCodeMessage,
       Medical128Control::kProductCode},
      {"1234567890123", "1231", "", "", 0, "17", nullptr, kExpiryMessage,
       Medical128Control::kExpiry},
      {"1234567890123", "", "00000000", "", 0, "17", nullptr, kQuantityMessage,
       Medical128Control::kQuantity},
      {"1234567890123", "", "", "lot1", 0, "17", nullptr, kLotAMessage, Medical128Control::kLot},
      {"1234567890123", "", "", "lot1", 1, "17", nullptr, nullptr, Medical128Control::kNone},
      {"1234567890123", "", "", "LOT 1", 1, "17", nullptr, kLotBMessage, Medical128Control::kLot},
      {"1234567890123", "", "", "123", 2, "17", nullptr, kLotCMessage, Medical128Control::kLot},
      {"1234567890123", "", "", "AAAAAAAAAAAAAAAAAAAAA", 0, "17", nullptr, kLotAMessage,
       Medical128Control::kLot},
      {"1234567890123", "991231", "12345678", "ABCDEFGH", 0, "17", nullptr, kCapacityMessage,
       Medical128Control::kLot},
      {"1234567890123", "991231", "12345678", "12345678", 0, "17", nullptr, nullptr,
       Medical128Control::kNone},
      {"1234567890123", "", "", "", 0, "0.5", nullptr, kHeightMessage, Medical128Control::kHeight},
      {"1234567890123", "", "", "", 0, "201", nullptr, kHeightMessage, Medical128Control::kHeight},
      {"1234567890123", "", "", "", 0, "17", "0.099", kNarrowWidthMessage,
       Medical128Control::kNarrowWidth},
      {"1234567890123", "1", "0", "", 0, "0", nullptr, kExpiryMessage, Medical128Control::kExpiry},
  };
  for (const Case& c : cases) {
    emulator_.NewDocument();
    Medical128Form form;
    form.productCode = c.productCode;
    form.expiry = c.expiry;
    form.quantity = c.quantity;
    form.lot = c.lot;
    form.lotCodeSet = c.codeSet;
    form.height = c.height;
    if (c.narrowWidth != nullptr) {
      form.narrowWidthEntry = -1;
      form.narrowWidthText = c.narrowWidth;
    }
    const std::size_t alertsBefore = emulator_.alerts().size();
    const Medical128Outcome outcome = form.CreateMedical128().outcome;
    const std::string name = std::string(c.productCode) + "/" + c.expiry + "/" + c.quantity + "/" +
                             c.lot + "/" + c.height;
    if (c.message == nullptr) {
      EXPECT_EQ(outcome, Medical128Outcome::kCreated) << name;
      EXPECT_EQ(SymbolCount(), 1) << name;
      continue;
    }
    EXPECT_EQ(outcome, Medical128Outcome::kFieldRejected) << name;
    ASSERT_EQ(emulator_.alerts().size(), alertsBefore + 1) << name;
    EXPECT_EQ(emulator_.alerts().back(), c.message) << name;
    EXPECT_EQ(form.focus, c.focus) << name;
    EXPECT_EQ(SymbolCount(), 0) << name;
  }
}

TEST_F(Medical128CreateTest, NumberFieldsThatPassedAreWrittenBackEvenWhenALaterRuleFails) {
  form_.height = "12mm";
  form_.narrowWidthEntry = -1;
  form_.narrowWidthText = "0.05";
  EXPECT_EQ(form_.CreateMedical128().outcome, Medical128Outcome::kFieldRejected);
  EXPECT_EQ(form_.height, "12.000");
  EXPECT_EQ(form_.narrowWidthText, "0.05");

  form_.productCode = "1";
  form_.height = "12mm";
  form_.CreateMedical128();
  EXPECT_EQ(form_.height, "12mm");  // rule 1 failed before the height was read
}

TEST_F(Medical128CreateTest, NoDocumentIsReportedOnlyAfterEveryFieldCheck) {
  emulator_.CloseDocument();
  form_.height = "500";
  EXPECT_EQ(form_.CreateMedical128().outcome, Medical128Outcome::kFieldRejected);
  EXPECT_EQ(emulator_.alerts().back(), kHeightMessage);

  form_.height = "17";
  const panels::Medical128Result result = form_.CreateMedical128();
  EXPECT_EQ(result.outcome, Medical128Outcome::kNoDocument);
  EXPECT_EQ(emulator_.alerts().back(), kNoDocumentMessage);
  EXPECT_EQ(form_.height, "17.000");
}

TEST_F(Medical128CreateTest, HostFailuresAreSilentAndTextFailuresKeepTheBars) {
  emulator_.FailCall("Art.GetFirstArtOfLayer", 1);
  EXPECT_EQ(form_.CreateMedical128().outcome, Medical128Outcome::kHostFailure);
  emulator_.FailCall("Art.NewArt", 1);
  EXPECT_EQ(form_.CreateMedical128().outcome, Medical128Outcome::kHostFailure);
  EXPECT_EQ(SymbolCount(), 0);

  emulator_.FailCall("Font.FindFont", 0);
  const panels::Medical128Result result = form_.CreateMedical128();
  EXPECT_EQ(result.outcome, Medical128Outcome::kHostFailure);
  EXPECT_EQ(result.error, emulator::kInjectedError);
  ASSERT_EQ(SymbolCount(), 1);
  EXPECT_EQ(Symbol().children.size(), 75u);  // the rectangles; the unfinished text frame is gone
  EXPECT_TRUE(emulator_.alerts().empty());
  EXPECT_EQ(emulator_.balance().textObjectsHeld, 0);
}

TEST_F(Medical128CreateTest, CodeSetOutsideTheListIsNotEncoded) {
  form_.lotCodeSet = 7;
  EXPECT_EQ(form_.CreateMedical128().outcome, Medical128Outcome::kNotEncodable);
  EXPECT_EQ(SymbolCount(), 0);
}

}  // namespace
