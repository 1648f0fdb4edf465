// The human-readable text of DataBar symbols in the stand-in host's document: the item line and
// the 2D lines as text frames, the Expanded field strings, the item line as outline glyphs, and
// how each moves cursorY.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "art/databar_drawing.h"
#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "host/suite_pointers.h"

namespace databar {
namespace {

struct Options {
  int32_t type = kOmnidirectional;
  const char* primary = "2001234567890";
  const char* composite = "";
  int32_t showText = 1;
  int32_t fitText = 1;
  int32_t textAsFrame = 1;
  int32_t showCompositeText = 1;
  const FieldString* fields = nullptr;
};

class DataBarTextTest : public ::testing::Test {
 protected:
  DataBarTextTest() { emulator_.NewDocument(); }

  void Encode(const Options& o) {
    ASSERT_EQ(
        symbol_.EncodeDataBar(o.type, o.primary, o.fields, o.composite, 0.353, 10, 0.353, 0.706,
                              0.353, 10, 0, o.showText, !o.textAsFrame, o.fitText, o.textAsFrame,
                              o.showCompositeText, host::FixedFromInt(50), host::FixedFromInt(60)),
        0);
    cursorY_ = symbol_.geometry().bottom;
  }

  host::ArtHandle group() { return emulator::HandleOf(&emulator_.document()->group()); }

  std::vector<const emulator::Art*> Frames() {
    std::vector<const emulator::Art*> frames;
    for (const auto& art : emulator_.document()->group().children) {
      if (art->kind == emulator::ArtKind::kTextFrame)
        frames.push_back(art.get());
    }
    return frames;
  }

  static host::Real Height(const emulator::Art* frame) {
    host::RealRect bounds;
    host::sArt->GetArtBounds(emulator::HandleOf(const_cast<emulator::Art*>(frame)), &bounds);
    return bounds.top - bounds.bottom;
  }

  host::Real cursorY() const { return cursorY_; }

  emulator::Emulator emulator_;
  host::ScopedSuites suites_{emulator_.basic()};
  CGS1DataBarSymbol symbol_;
  host::Real cursorY_ = 0;
};

TEST_F(DataBarTextTest, ItemLineIsPaddedAndEndsWithTheCheckDigit) {
  const struct {
    const char* primary;
    const char16_t* line;
  } cases[] = {{"2001234567890", u"(01)20012345678909"},
               {"12345", u"(01)00000000123457"},
               {"0000000000000", u"(01)00000000000000"}};
  for (const auto& c : cases) {
    Options options;
    options.primary = c.primary;
    Encode(options);
    const host::Real before = cursorY();
    art::DrawItemText(symbol_, group(), cursorY_);
    const emulator::Art* frame = Frames().back();
    EXPECT_EQ(frame->text.text, c.line);
    EXPECT_EQ(frame->text.requestedFont, "MS-Gothic");
    EXPECT_EQ(frame->text.size, 8.0f);
    // A text frame reserves no band: it starts at the rows' left edge, on the placement y.
    EXPECT_EQ(frame->text.anchor.h, 50.0f);
    EXPECT_EQ(frame->text.anchor.v, before);
    EXPECT_NEAR(cursorY(), before + Height(frame) - 0.11, 1e-4);
  }
}

TEST_F(DataBarTextTest, NothingIsDrawnWhenTheTextIsNotShown) {
  Options options;
  options.showText = 0;
  options.showCompositeText = 0;
  options.composite = "(10)LOT";
  Encode(options);
  const host::Real before = cursorY();
  art::DrawItemText(symbol_, group(), cursorY_);
  art::DrawElementStrings(symbol_, group(), cursorY_);
  art::DrawCompositeText(symbol_, group(), cursorY_);
  art::DrawItemOutlines(symbol_, art::CTextPathGS1DataBarArt(group()), cursorY_);
  EXPECT_TRUE(emulator_.document()->group().children.empty());
  EXPECT_EQ(cursorY(), before);
}

TEST_F(DataBarTextTest, TwoDLinesReadTopToBottomWithoutEmptyLines) {
  const struct {
    const char* composite;
    std::vector<std::u16string> lowestFirst;
  } cases[] = {
      {"(17)991231$(10)LOT1001", {u"(10)LOT1001", u"(17)991231"}},
      {"(10)A#B^C", {u"(10)ABC"}},
      {"$(10)A$$(21)B$", {u"(21)B", u"(10)A"}},
  };
  for (const auto& c : cases) {
    emulator_.NewDocument();
    Options options;
    options.composite = c.composite;
    Encode(options);
    const host::Real before = cursorY();
    art::DrawCompositeText(symbol_, group(), cursorY_);
    const std::vector<const emulator::Art*> frames = Frames();
    ASSERT_EQ(frames.size(), c.lowestFirst.size()) << c.composite;
    double y = before + 2.1;
    for (size_t i = 0; i < frames.size(); ++i) {
      EXPECT_EQ(frames[i]->text.text, c.lowestFirst[i]) << c.composite;
      EXPECT_NEAR(frames[i]->text.anchor.v, y, 1e-4) << c.composite;
      y += Height(frames[i]);
    }
    EXPECT_NEAR(cursorY(), y, 1e-4) << c.composite;
  }
}

TEST_F(DataBarTextTest, FieldStringsAreDrawnLastFieldLowest) {
  FieldString fields[kFieldStringCount] = {};
  std::strcpy(fields[0], "(01)09501101020917");
  std::strcpy(fields[3], "(17)251231");
  Options options;
  options.fields = fields;
  Encode(options);
  const host::Real before = cursorY();
  art::DrawElementStrings(symbol_, group(), cursorY_);
  const std::vector<const emulator::Art*> frames = Frames();
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0]->text.text, u"(17)251231");
  EXPECT_EQ(frames[1]->text.text, u"(01)09501101020917");
  EXPECT_NEAR(cursorY(), before + Height(frames[0]) + Height(frames[1]) - 0.11, 1e-4);
}

TEST_F(DataBarTextTest, OutlineItemLineStandsCentredUnderTheBars) {
  for (const int32_t type : {int32_t{kOmnidirectional}, int32_t{kStacked}, int32_t{kLimited}}) {
    emulator_.NewDocument();
    Options options;
    options.type = type;
    options.primary = "1000000000000";
    options.textAsFrame = 0;
    Encode(options);
    const SymbolGeometry& g = symbol_.geometry();
    const host::Real before = cursorY();
    const art::CGS1DataBarArt target(group());
    art::DrawItemOutlines(symbol_, art::CTextPathGS1DataBarArt(group()), cursorY_);
    EXPECT_FLOAT_EQ(cursorY(), before + g.textHeight + g.textGap);
    ASSERT_EQ(emulator_.document()->group().children.size(), 18u) << type;

    float textLeft = 1e9f, textRight = -1e9f;
    for (const emulator::Art* path : emulator_.document()->Paths()) {
      for (const host::PathSegment& s : path->path.segments) {
        textLeft = std::min(textLeft, s.p.h);
        textRight = std::max(textRight, s.p.h);
        EXPECT_LT(s.p.v, cursorY() - g.textGap / 2) << type;  // below the bars
      }
    }
    art::DrawSymbol(symbol_, target, cursorY_);
    float barsLeft = 1e9f, barsRight = -1e9f;
    const auto& children = emulator_.document()->group().children;
    for (size_t i = 18; i < children.size(); ++i) {
      barsLeft = std::min(barsLeft, children[i]->path.segments[0].p.h);
      barsRight = std::max(barsRight, children[i]->path.segments[2].p.h);
    }
    // Fitted: the 18 cells are as wide as the bars, to within a module.
    const float x = symbol_.request().dimensions.moduleWidth;
    EXPECT_NEAR((textLeft + textRight) / 2, (barsLeft + barsRight) / 2, x) << type;
    EXPECT_NEAR(textRight - textLeft, barsRight - barsLeft, 2 * x) << type;
  }
}

}  // namespace
}  // namespace databar
