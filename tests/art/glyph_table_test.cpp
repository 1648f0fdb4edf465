#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "art/glyph_directory.h"
#include "art/glyph_table.h"
#include "art/text_path_art.h"

namespace {

using art::GlyphOutlineRecord;

std::vector<GlyphOutlineRecord> RecordsOf(uint16_t code) {
  std::vector<GlyphOutlineRecord> records;
  const int32_t last = static_cast<int32_t>(art::GlyphInfo(code) >> 16);
  for (int32_t j = 0; j <= last; ++j)
    records.push_back(art::GlyphRecord(code, j));
  return records;
}

// Every glyph reads back with its directory's record count and contours; a compound glyph
// begins with a contour start and no anchor of it repeats the previous one (which would read as
// a contour start).
TEST(GlyphTableTest, GlyphsHaveTheirDirectoryShape) {
  for (const art::GlyphEntry& entry : art::kGlyphDirectory) {
    SCOPED_TRACE(entry.code);
    const uint32_t info = art::GlyphInfo(entry.code);
    EXPECT_EQ(info >> 16, entry.count - 1u);
    EXPECT_EQ(info & 0xFFFF, entry.compound() ? 1u : 0u);
    const std::vector<GlyphOutlineRecord> records = RecordsOf(entry.code);
    const auto starts =
        std::count_if(records.begin(), records.end(),
                      [](const GlyphOutlineRecord& r) { return r.startsContour(); });
    if (entry.compound()) {
      EXPECT_TRUE(records.front().startsContour());
      EXPECT_EQ(starts, entry.contours);
    } else {
      EXPECT_EQ(starts, 0);
    }
  }
}

struct Extent {
  double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
  void Add(double x, double y) {
    left = std::min(left, x);
    right = std::max(right, x);
    bottom = std::min(bottom, y);
    top = std::max(top, y);
  }
};

// The extent of the glyph's curves, sampled along each closed contour.
Extent CurveExtent(uint16_t code) {
  struct Anchor {
    double x, y, inX, inY, outX, outY;
  };
  std::vector<std::vector<Anchor>> contours(1);
  double x = 0, y = 0;
  for (const GlyphOutlineRecord& r : RecordsOf(code)) {
    if (r.startsContour()) {
      if (!contours.back().empty())
        contours.emplace_back();
      continue;
    }
    x += r.dx;
    y += r.dy;
    contours.back().push_back({x, y, x + r.inDx, y + r.inDy, x + r.outDx, y + r.outDy});
  }
  Extent extent;
  for (const std::vector<Anchor>& contour : contours) {
    for (size_t i = 0; i < contour.size(); ++i) {
      const Anchor& a = contour[i];
      const Anchor& b = contour[(i + 1) % contour.size()];
      for (double t = 0; t <= 1; t += 1.0 / 32) {
        const double u = 1 - t;
        const double k0 = u * u * u, k1 = 3 * u * u * t, k2 = 3 * u * t * t, k3 = t * t * t;
        extent.Add(k0 * a.x + k1 * a.outX + k2 * b.inX + k3 * b.x,
                   k0 * a.y + k1 * a.outY + k2 * b.inY + k3 * b.y);
      }
    }
  }
  return extent;
}

// The digits stand on the baseline, about 7 units high, inside their 5.65-unit cell.
TEST(GlyphTableTest, DigitsFillTheirCell) {
  for (char digit = '0'; digit <= '9'; ++digit) {
    SCOPED_TRACE(digit);
    const Extent extent = CurveExtent(art::HriGlyphCode(digit));
    EXPECT_GE(extent.left, -2400);
    EXPECT_LE(extent.right, 2400);
    EXPECT_GT(extent.right - extent.left, 2000);
    EXPECT_NEAR(extent.bottom, 0, 150);
    EXPECT_NEAR(extent.top, 7000, 150);
  }
}

TEST(GlyphTableTest, GivenRowsAreKept) {
  const std::vector<GlyphOutlineRecord> bar = {{-2180, 2938, 0, 0, 0, 0},
                                               {0, 1094, 0, 0, 0, 0},
                                               {4359, 0, 0, 0, 0, 0},
                                               {0, -1094, 0, 0, 0, 0}};
  EXPECT_EQ(RecordsOf(16000), bar);
  const std::vector<GlyphOutlineRecord> one = {{336, 0},     {0, 5792}, {-1668, -1461}, {0, 1219},
                                               {1621, 1343}, {1043, 0}, {0, -6893}};
  EXPECT_EQ(RecordsOf(16004), one);
  const std::vector<GlyphOutlineRecord> zero = RecordsOf(16003);
  EXPECT_EQ(zero[0], GlyphOutlineRecord{});
  EXPECT_EQ(zero[1], (GlyphOutlineRecord{1, 0, -455, 0, 451, 0}));
  EXPECT_EQ(zero[2], (GlyphOutlineRecord{1090, 118, -277, -78, 275, 79}));
}

TEST(GlyphTableTest, CodesWithoutOutlineReadAsZeros) {
  for (uint16_t code : {0, 15999, 16001, 16020, 16062, 65535}) {
    EXPECT_EQ(art::GlyphInfo(code), 0u);
    EXPECT_EQ(art::GlyphRecord(code, 0), GlyphOutlineRecord{});
  }
  // Reading past a glyph never reaches the next glyph's records.
  EXPECT_EQ(art::GlyphRecord(16000, 4), GlyphOutlineRecord{});
  EXPECT_EQ(art::GlyphRecord(16061, -1), GlyphOutlineRecord{});
}

TEST(GlyphMappingTest, CharactersFindTheirGlyphs) {
  EXPECT_EQ(art::HriGlyphCode('('), 16060);
  EXPECT_EQ(art::HriGlyphCode(')'), 16061);
  EXPECT_EQ(art::HriGlyphCode('0'), 16003);
  EXPECT_EQ(art::HriGlyphCode('9'), 16012);
  EXPECT_EQ(art::HriGlyphCode('T'), 16039);
  EXPECT_EQ(art::HriGlyphCode('A'), 16020);

  for (char c : std::string("$()0123456789BCEINSX")) {
    SCOPED_TRACE(c);
    EXPECT_NE(art::GlyphInfo(art::CharGlyphCode(c)) >> 16, 0u);
    EXPECT_NE(art::CharGlyphCode(c), 16000);
  }
  EXPECT_EQ(art::CharGlyphCode('$'), 16047);
  EXPECT_EQ(art::CharGlyphCode('5'), 16008);
  EXPECT_EQ(art::CharGlyphCode('B'), 16021);
  EXPECT_EQ(art::CharGlyphCode('T'), 16000);
  EXPECT_EQ(art::CharGlyphCode('a'), 16000);
  EXPECT_EQ(art::CharGlyphCode(' '), 16000);

  EXPECT_EQ(art::ShiftedGlyphCode('0'), 16500);
  EXPECT_EQ(art::GlyphInfo(art::ShiftedGlyphCode('S')), 0u);
}

}  // namespace
