// The bar art of DataBar symbols in the stand-in host's document: one black rectangle per bar on
// a white background, rows laid upward, fixed-point edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "art/databar_drawing.h"
#include "emulator/emulator.h"
#include "host/suite_acquisition.h"

namespace databar {
namespace {

struct Box {
  float left, bottom, right, top, grey;
};

class DataBarDrawingTest : public ::testing::Test {
 protected:
  DataBarDrawingTest() { emulator_.NewDocument(); }

  // Encodes and draws background and bars, as the create action does without text.
  void Draw(int32_t type, const char* code, double moduleWidth, int32_t showText = 0) {
    ASSERT_EQ(
        symbol_.EncodeDataBar(type, code, nullptr, "", moduleWidth, 10, 1, 2, 0.5, 8, 0, showText,
                              1, 0, 0, 0, host::FixedFromInt(50), host::FixedFromInt(60)),
        0);
    const art::CGS1DataBarArt target(group());
    cursorY_ = symbol_.geometry().bottom;
    art::DrawBackground(symbol_, target, cursorY_);
    art::DrawSymbol(symbol_, target, cursorY_);
  }

  host::ArtHandle group() { return emulator::HandleOf(&emulator_.document()->group()); }

  std::vector<Box> Boxes() {
    std::vector<Box> boxes;
    for (const emulator::Art* art : emulator_.document()->Paths()) {
      const auto& s = art->path.segments;
      EXPECT_EQ(s.size(), 4u);
      EXPECT_TRUE(art->path.closed);
      EXPECT_TRUE(art->path.style.fillPaint);
      EXPECT_FALSE(art->path.style.strokePaint);
      boxes.push_back(
          {s[0].p.h, s[0].p.v, s[2].p.h, s[2].p.v, art->path.style.fill.colour.components[0]});
    }
    return boxes;
  }

  emulator::Emulator emulator_;
  host::ScopedSuites suites_{emulator_.basic()};
  CGS1DataBarSymbol symbol_;
  host::Real cursorY_ = 0;
};

TEST_F(DataBarDrawingTest, OmnidirectionalIsABackgroundAnd23Bars) {
  Draw(kOmnidirectional, "2001234567890", 0.353);
  const std::vector<Box> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 24u);
  const SymbolGeometry& g = symbol_.geometry();
  EXPECT_EQ(boxes[0].grey, 0.0f);  // white, under everything
  EXPECT_EQ(boxes[0].left, 50.0f);
  EXPECT_EQ(boxes[0].bottom, 60.0f);
  EXPECT_NEAR(boxes[0].right - boxes[0].left, g.width, 1e-3);
  EXPECT_NEAR(boxes[0].top - boxes[0].bottom, g.height, 1e-3);
  const float x = symbol_.request().dimensions.moduleWidth;
  for (size_t i = 1; i < boxes.size(); ++i) {
    EXPECT_EQ(boxes[i].grey, 1.0f);
    EXPECT_EQ(boxes[i].bottom, 60.0f);
    EXPECT_NEAR(boxes[i].top, 60.0f + symbol_.request().dimensions.rowHeight, 1e-3);
  }
  EXPECT_NEAR(boxes[1].left, 50.0f + x, 1e-3);  // after the 1-module guard space
  EXPECT_EQ(cursorY_, boxes[1].top);
}

TEST_F(DataBarDrawingTest, TruncatedElementLengthsDecideWhereTheLastBarEnds) {
  // 0.254 mm is 0.72 pt, which fixed point cannot hold exactly: every element is truncated.
  Draw(kOmnidirectional, "2001234567890", 0.254);
  const auto& row = symbol_.record<LinearSymbol>();
  const host::Fixed x = host::FixedFromReal(symbol_.request().dimensions.moduleWidth);
  host::Fixed end = host::FixedFromInt(50);
  for (int32_t i = 0; i < row.rowLength; ++i) {
    end += static_cast<host::Fixed>(static_cast<int64_t>(x) * row.row[i]);
  }
  const std::vector<Box> boxes = Boxes();
  EXPECT_EQ(boxes.back().right, static_cast<float>(end / 65536.0));
  EXPECT_NE(boxes.back().right, 50.0f + 96 * 0.72f);
}

TEST_F(DataBarDrawingTest, StackedOmnidirectionalRowsAreLaidUpward) {
  Draw(kStackedOmnidirectional, "2001234567890", 0.353);
  const SymbolDimensions& d = symbol_.request().dimensions;
  std::vector<float> bottoms;
  for (const Box& box : Boxes())
    bottoms.push_back(box.bottom);
  std::sort(bottoms.begin(), bottoms.end());
  bottoms.erase(std::unique(bottoms.begin(), bottoms.end()), bottoms.end());
  // Lower row, three separators, upper row.
  ASSERT_EQ(bottoms.size(), 5u);
  EXPECT_NEAR(bottoms[1] - bottoms[0], d.secondRowHeight, 1e-3);
  EXPECT_NEAR(bottoms[4] - bottoms[1], 3 * d.separatorHeight, 1e-3);
  EXPECT_NEAR(cursorY_ - bottoms[4], d.rowHeight, 1e-3);
  EXPECT_NEAR(cursorY_ - 60.0f, symbol_.geometry().height, 1e-3);
}

TEST_F(DataBarDrawingTest, TwoDComponentIsDrawnOnlyWhenItHasRows) {
  Draw(kOmnidirectional, "2001234567890", 0.353);
  const size_t before = Boxes().size();
  CompositeRowBuffer rows = {};
  for (auto& row : rows)
    std::fill(std::begin(row), std::end(row), 1);
  const ElementWidth separator[] = {4, 3, 4};
  const art::CGS1DataBarArt target(group());
  const float y = cursorY_;
  art::DrawComposite(symbol_, target, cursorY_, separator, 3, rows, 53, 0);
  EXPECT_EQ(Boxes().size(), before);
  EXPECT_EQ(cursorY_, y);
  art::DrawComposite(symbol_, target, cursorY_, separator, 3, rows, 53, 2);
  EXPECT_EQ(Boxes().size(), before + 1 + 2 * 26);
  const SymbolDimensions& d = symbol_.request().dimensions;
  EXPECT_NEAR(cursorY_ - y, d.ccSeparatorHeight + 2 * d.ccRowHeight, 1e-3);
}

}  // namespace
}  // namespace databar
