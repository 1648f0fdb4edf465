#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "art/text_path_art.h"
#include "emulator/document.h"
#include "emulator/emulator.h"
#include "host/colour.h"
#include "host/fixed.h"
#include "host/suite_acquisition.h"

namespace {

using emulator::Art;
using emulator::ArtKind;

class GlyphDrawingTest : public ::testing::Test {
 protected:
  art::CTextPathGS1DataBarArt Target() {
    return art::CTextPathGS1DataBarArt(emulator::HandleOf(&document_.group()));
  }
  const std::vector<std::unique_ptr<Art>>& Drawn() const { return document_.group().children; }

  // Draws the characters side by side, 5.65 points apart, at scale 1 (a text unit of one point).
  void DrawLine(const std::string& text) {
    art::CTextPathGS1DataBarArt target = Target();
    host::Fixed x = 0;
    for (char c : text) {
      target.DrawGlyph(x, 0, target.GlyphForHriChar(c), host::GreyColour(1.0f), 1.0f);
      x += host::FixedFromReal(5.65);
    }
  }

  emulator::Emulator host_;
  emulator::Document& document_ = host_.NewDocument();
  host::ScopedSuites suites_{host_.basic()};
};

void ExpectFilledGlyphPath(const Art& path) {
  EXPECT_EQ(path.kind, ArtKind::kPath);
  EXPECT_TRUE(path.path.closed);
  EXPECT_TRUE(path.path.style.fillPaint);
  EXPECT_FALSE(path.path.style.strokePaint);
  EXPECT_FALSE(path.path.style.clip);
  EXPECT_EQ(path.path.style.fill.colour.kind, host::kGreyColour);
  EXPECT_EQ(path.path.style.fill.colour.components[0], 1.0f);
  for (const host::PathSegment& segment : path.path.segments)
    EXPECT_FALSE(segment.corner);
}

// The item line of item number 0000000000000: every '0' is a compound path of two contours,
// '(', '1' and ')' are simple paths.
TEST_F(GlyphDrawingTest, ItemLineOfZerosMakesCompoundAndSimplePaths) {
  DrawLine("(01)00000000000000");
  ASSERT_EQ(Drawn().size(), 18u);
  int compound = 0;
  int simple = 0;
  for (const auto& glyph : Drawn()) {
    if (glyph->kind == ArtKind::kCompoundPath) {
      ++compound;
      ASSERT_EQ(glyph->children.size(), 2u);
      EXPECT_EQ(glyph->children[0]->path.segments.size() + glyph->children[1]->path.segments.size(),
                32u);
      for (const auto& contour : glyph->children)
        ExpectFilledGlyphPath(*contour);
    } else {
      ++simple;
      ExpectFilledGlyphPath(*glyph);
    }
  }
  EXPECT_EQ(compound, 15);
  EXPECT_EQ(simple, 3);
  EXPECT_EQ(Drawn()[2]->path.segments.size(), 7u);  // the '1'
}

// The anchor runs on from one contour into the next, so the counter of a '0' lies inside it.
TEST_F(GlyphDrawingTest, CountersLieInsideTheirGlyph) {
  DrawLine("0");
  ASSERT_EQ(Drawn().size(), 1u);
  const auto& contours = Drawn()[0]->children;
  ASSERT_EQ(contours.size(), 2u);
  auto extent = [](const Art& path) {
    host::RealRect box{1e9f, -1e9f, -1e9f, 1e9f};
    for (const host::PathSegment& s : path.path.segments) {
      box.left = std::min(box.left, s.p.h);
      box.right = std::max(box.right, s.p.h);
      box.bottom = std::min(box.bottom, s.p.v);
      box.top = std::max(box.top, s.p.v);
    }
    return box;
  };
  const host::RealRect outer = extent(*contours[0]);
  const host::RealRect inner = extent(*contours[1]);
  EXPECT_GT(inner.left, outer.left + 0.5f);
  EXPECT_LT(inner.right, outer.right - 0.5f);
  EXPECT_GT(inner.bottom, outer.bottom + 0.5f);
  EXPECT_LT(inner.top, outer.top - 0.5f);
}

// A code without outline data, such as the one 'A' maps to, draws one point at the origin.
TEST_F(GlyphDrawingTest, CodeWithoutOutlineDrawsOnePointAtTheOrigin) {
  art::CTextPathGS1DataBarArt target = Target();
  target.DrawGlyph(host::FixedFromInt(10), host::FixedFromInt(20), target.GlyphForHriChar('A'),
                   host::GreyColour(1.0f), 2.0f);
  ASSERT_EQ(Drawn().size(), 1u);
  ASSERT_EQ(Drawn()[0]->kind, ArtKind::kPath);
  ASSERT_EQ(Drawn()[0]->path.segments.size(), 1u);
  const host::PathSegment& point = Drawn()[0]->path.segments[0];
  EXPECT_EQ(point.p.h, 10.0f);
  EXPECT_EQ(point.p.v, 20.0f);
  EXPECT_EQ(point.in.h, 10.0f);
  EXPECT_EQ(point.out.v, 20.0f);
}

// Each record value becomes whole thousandths of a point, then whole 1/65536 points:
// -2180 × 0.3333 = -726.59 → -0.726 pt → -47579/65536; 2938 × 0.3333 = 979.24 → 0.979 pt →
// 64159/65536; the next anchor adds 1094 × 0.3333 = 364.63 → 0.364 pt → 23855/65536.
TEST_F(GlyphDrawingTest, RecordValuesAreTruncatedTwice) {
  art::CTextPathGS1DataBarArt target = Target();
  target.DrawGlyph(0, 0, 16000, host::GreyColour(1.0f), 0.3333f);
  ASSERT_EQ(Drawn().size(), 1u);
  const auto& segments = Drawn()[0]->path.segments;
  ASSERT_EQ(segments.size(), 4u);
  EXPECT_EQ(segments[0].p.h, -47579 / 65536.0f);
  EXPECT_EQ(segments[0].p.v, 64159 / 65536.0f);
  EXPECT_EQ(segments[1].p.h, -47579 / 65536.0f);
  EXPECT_EQ(segments[1].p.v, (64159 + 23855) / 65536.0f);
}

TEST_F(GlyphDrawingTest, AGlyphTheHostCannotFinishIsRemovedWhole) {
  art::CTextPathGS1DataBarArt target = Target();
  const uint16_t zero = target.GlyphForHriChar('0');

  host_.FailCall("Art.NewArt", 1);  // the compound path
  EXPECT_EQ(target.DrawGlyph(0, 0, zero, host::GreyColour(1.0f), 1.0f), emulator::kInjectedError);
  EXPECT_TRUE(Drawn().empty());
  EXPECT_EQ(host_.CallCount("Path.SetPathSegments"), 0);

  // A '0' without its inner contour would read as a filled blob: the compound path goes too.
  host_.ClearFailures();
  host_.FailCall("Art.NewArt", 4);  // the inner contour of the next '0'
  EXPECT_EQ(target.DrawGlyph(0, 0, zero, host::GreyColour(1.0f), 1.0f), emulator::kInjectedError);
  EXPECT_TRUE(Drawn().empty());

  host_.ClearFailures();
  host_.FailCall("Path.SetPathClosed", host_.CallCount("Path.SetPathClosed") + 1);
  EXPECT_EQ(target.DrawGlyph(0, 0, target.GlyphForHriChar('1'), host::GreyColour(1.0f), 1.0f),
            emulator::kInjectedError);
  EXPECT_TRUE(Drawn().empty());

  host_.ClearFailures();
  EXPECT_EQ(target.DrawGlyph(0, 0, zero, host::GreyColour(1.0f), 1.0f), host::kNoError);
  ASSERT_EQ(Drawn().size(), 1u);
  ASSERT_EQ(Drawn()[0]->children.size(), 2u);
}

}  // namespace
