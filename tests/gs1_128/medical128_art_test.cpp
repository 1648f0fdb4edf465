#include <gtest/gtest.h>

#include <string>

#include "emulator/emulator.h"
#include "gs1_128/medical128_art.h"
#include "gs1_128/medical128_symbol.h"
#include "gs1_128/mm_to_points.h"
#include "host/suite_acquisition.h"
#include "textengine/exception.h"

namespace {

using emulator::Art;
using emulator::ArtKind;

// Positions in 16.16 worked out by hand: millimetres made fixed, divided by 1664614 and multiplied
// by 72 << 16, each step truncated.
constexpr host::Fixed kModule022 = 40824;    // 0.22 mm
constexpr host::Fixed kQuietZone = 408672;   // 2.2 mm
constexpr host::Fixed kHeight17 = 3158064;   // 17 mm
constexpr host::Fixed kTextIndent = 547272;  // 0.746 + 2.2 mm
constexpr host::Fixed kTextDrop = 731520;    // 1.6 + 2.338 mm
constexpr host::Fixed kX = 306 * 65536;
constexpr host::Fixed kY = 396 * 65536;

float Points(host::Fixed fixed) {
  return static_cast<float>(fixed / 65536.0);
}

class Medical128ArtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_ = &emulator_.NewDocument();
    ASSERT_EQ(suites_.result(), host::kNoError);
  }

  // Draws the symbol into the document's first group; false when DrawMedical128 refused.
  bool Draw(double narrowWidth, const char* text, const char* expiry = "",
            const char* quantity = "", const char* lot = "", int32_t set = gs1_128::kLotCodeA) {
    gs1_128::CMedical128Symbol symbol;
    EXPECT_TRUE(symbol.SetElements("0112345678901231", expiry, quantity, lot, set));
    symbol.SetDimensions(narrowWidth, 17);
    gs1_128::CMedical128Art target(emulator::HandleOf(&document_->group()));
    return symbol.DrawMedical128(target, kX, kY, text) == host::kNoError;
  }

  const Art& TopArt() const { return *document_->group().children.back(); }

  emulator::Emulator emulator_;
  emulator::Document* document_ = nullptr;
  host::ScopedSuites suites_{emulator_.basic()};
};

TEST_F(Medical128ArtTest, ProductCodeOnlySymbolHasAllElementsAndItsText) {
  ASSERT_TRUE(Draw(0.22, "(01)12345678901231"));

  // 11 symbol characters of 6 elements, the stop of 7, two quiet zones; then the text on top.
  const auto paths = document_->Paths();
  ASSERT_EQ(paths.size(), 75u);
  ASSERT_EQ(document_->Count(ArtKind::kTextFrame), 1);
  ASSERT_EQ(TopArt().kind, ArtKind::kTextFrame);

  // Left quiet zone, then start C "211232" bar first, alternating black and white.
  const char* start = "211232";
  host::Fixed left = kX + kQuietZone;
  EXPECT_FLOAT_EQ(paths[0]->path.segments[1].p.h, Points(left));
  for (int i = 0; i < 6; ++i) {
    const auto& path = paths[1 + i]->path;
    EXPECT_FLOAT_EQ(path.segments[0].p.h, Points(left)) << i;
    left += (start[i] - '0') * kModule022;
    EXPECT_FLOAT_EQ(path.segments[1].p.h, Points(left)) << i;
    EXPECT_FLOAT_EQ(path.style.fill.colour.components[0], i % 2 == 0 ? 1.0f : 0.0f) << i;
    EXPECT_TRUE(path.style.fillPaint && !path.style.strokePaint && path.closed);
  }
  for (const Art* path : paths) {
    EXPECT_FLOAT_EQ(path->path.segments[0].p.v, Points(kY));
    EXPECT_FLOAT_EQ(path->path.segments[2].p.v, Points(kY + kHeight17));
  }
  // The whole symbol: two quiet zones and 134 modules.
  EXPECT_EQ(paths.back()->path.style.fill.colour.components[0], 0.0f);
  EXPECT_FLOAT_EQ(paths.back()->path.segments[1].p.h,
                  Points(kX + 2 * kQuietZone + 134 * kModule022));

  const emulator::PointText& text = TopArt().text;
  EXPECT_EQ(text.text, u"(01)12345678901231");
  EXPECT_FLOAT_EQ(text.anchor.h, Points(kX + kTextIndent));
  EXPECT_FLOAT_EQ(text.anchor.v, Points(kY - kTextDrop));
  EXPECT_EQ(text.requestedFont, "MS-Gothic");
  EXPECT_FLOAT_EQ(text.size, 8.0f);
  EXPECT_TRUE(emulator_.balance().textObjectsHeld == 0);
}

// Each quiet zone is 2.2 mm until ten modules are wider, and then exactly ten modules; the text
// keeps its place after the left quiet zone.
TEST_F(Medical128ArtTest, QuietZonesAreTenModulesOnceThoseAreWiderThan2_2Mm) {
  for (const double narrowWidth : {0.1, 0.22, 0.221, 0.254, 0.33, 1.0}) {
    document_ = &emulator_.NewDocument();
    ASSERT_TRUE(Draw(narrowWidth, "(01)12345678901231"));
    const host::Fixed module = gs1_128::MmToPoints(narrowWidth);
    const host::Fixed quietZone = narrowWidth <= 0.22 ? kQuietZone : 10 * module;
    const auto paths = document_->Paths();
    ASSERT_EQ(paths.size(), 75u);
    const auto width = [](const Art* path) {
      return path->path.segments[1].p.h - path->path.segments[0].p.h;
    };
    EXPECT_FLOAT_EQ(width(paths.front()), Points(quietZone)) << narrowWidth;
    EXPECT_FLOAT_EQ(width(paths.back()), Points(quietZone)) << narrowWidth;
    EXPECT_FLOAT_EQ(paths[1]->path.segments[0].p.h, Points(kX + quietZone)) << narrowWidth;
    EXPECT_FLOAT_EQ(paths.back()->path.segments[1].p.h, Points(kX + 2 * quietZone + 134 * module))
        << narrowWidth;
    const host::Fixed indent =
        narrowWidth <= 0.22 ? kTextIndent - kQuietZone
                            : gs1_128::MmToPoints(gs1_128::CMedical128Symbol::kTextIndent / 2);
    EXPECT_NEAR(TopArt().text.anchor.h, Points(kX + quietZone + indent), 2 / 65536.0)
        << narrowWidth;
  }
}

TEST_F(Medical128ArtTest, LongestTextFitsAndALongerOneDrawsNothing) {
  const std::string longest = "(01)12345678901231(17)991231(30)12345678(10)1234567890";
  ASSERT_EQ(longest.size(), 54u);
  ASSERT_TRUE(
      Draw(0.22, longest.c_str(), "17991231", "3012345678", "101234567890", gs1_128::kLotCodeC));
  EXPECT_EQ(TopArt().text.text, std::u16string(longest.begin(), longest.end()));

  const std::size_t before = document_->Paths().size();
  EXPECT_FALSE(Draw(0.22, std::string(58, '1').c_str()));
  EXPECT_EQ(document_->Paths().size(), before);
}

// A failing text call raises the host's code; the rectangles stay and no text-engine reference
// is left behind.
TEST_F(Medical128ArtTest, TextFailuresRaiseTheHostCodeAndKeepTheBars) {
  for (const char* operation :
       {"TextFrame.NewPointText", "TextFrame.GetTextRange", "TextRange.InsertAfter",
        "Font.FindFont", "Font.FontKeyToTextEngineFont", "CharFeatures.SetFont",
        "TextRange.SetLocalCharFeatures"}) {
    emulator_.NewDocument();
    document_ = emulator_.document();
    emulator_.ClearFailures();
    emulator_.FailCall(operation, 0, 1234);
    try {
      Draw(0.22, "(01)12345678901231");
      ADD_FAILURE() << operation << " did not raise";
    } catch (const ATE::Exception& exception) {
      EXPECT_EQ(exception.code(), 1234) << operation;
    }
    EXPECT_EQ(document_->Paths().size(), 75u) << operation;
    EXPECT_EQ(emulator_.balance().textObjectsHeld, 0) << operation;
  }
}

}  // namespace
