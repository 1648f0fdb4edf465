// SVG files read back: every outline point is the document's own value, exactly, whether the
// shape is written out or placed with <use> from a definition; each symbol is one group; the page
// size is in millimetres.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "emulator/svg_writer.h"
#include "panels/databar_form.h"
#include "tests/emulator/emulator_fixture.h"

namespace emulator {
namespace {

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

// One contour as the file draws it: its anchors, and for each edge after the first anchor the
// control points of a curve (none for a straight edge).
struct Contour {
  std::vector<Point> anchors;
  std::vector<std::vector<Point>> controls;
};

// Reads path data (M, L, H, V, C, Z, absolute or relative in lower case) scaled by `scale`, then
// moved by the offset.
std::vector<Contour> ReadPathData(const std::string& data, Point offset, double scale = 1) {
  std::vector<Contour> contours;
  const char* p = data.c_str();
  char command = 0;
  Point current;  // in the data's own units
  Point start;
  bool failed = false;
  const auto number = [&] {
    char* end = nullptr;
    const double value = std::strtof(p, &end);  // the file's numbers are single precision
    if (end == p) {
      failed = true;
      return 0.0;
    }
    p = end;
    while (*p == ' ')
      ++p;
    return value;
  };
  bool lowerCase = false;
  const auto point = [&] {
    const double x = number() + (lowerCase ? current.x : 0);
    const double y = number() + (lowerCase ? current.y : 0);
    return Point{x, y};
  };
  const auto placed = [&](Point q) {
    return Point{q.x * scale + offset.x, q.y * scale + offset.y};
  };
  const auto addEdge = [&](Point to, std::vector<Point> controls) {
    current = to;
    contours.back().anchors.push_back(placed(to));
    contours.back().controls.push_back(std::move(controls));
  };
  while (*p != '\0' && !failed) {
    if (std::isalpha(static_cast<unsigned char>(*p)))
      command = *p++;
    lowerCase = std::islower(static_cast<unsigned char>(command));
    switch (std::toupper(static_cast<unsigned char>(command))) {
      case 'M':
        start = current = point();
        contours.push_back({{placed(current)}, {}});
        break;
      case 'L':
        addEdge(point(), {});
        break;
      case 'H':
        addEdge({number() + (lowerCase ? current.x : 0), current.y}, {});
        break;
      case 'V':
        addEdge({current.x, number() + (lowerCase ? current.y : 0)}, {});
        break;
      case 'C': {
        const Point c1 = point();
        const Point c2 = point();
        addEdge(point(), {placed(c1), placed(c2)});
        break;
      }
      case 'Z':
        current = start;
        break;
      default:
        failed = true;
    }
  }
  EXPECT_FALSE(failed) << "unreadable path data: " << data;
  return contours;
}

// Every contour of the file in paint order, uses resolved through their definitions.
std::vector<Contour> ReadContours(const std::string& svg) {
  std::map<std::string, std::string> definitions;
  std::map<std::string, double> scales;
  const std::regex definition(
      R"re(<path id="([^"]+)"(?: transform="scale\(([^)]+)\)")? d="([^"]*)")re");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), definition);
       it != std::sregex_iterator(); ++it) {
    definitions[(*it)[1]] = (*it)[3];
    scales[(*it)[1]] = (*it)[2].matched ? std::strtod((*it)[2].str().c_str(), nullptr) : 1.0;
  }
  std::vector<Contour> contours;
  const std::regex shape(
      R"re(<path d="([^"]*)"|<use xlink:href="#([^"]+)" x="([^"]+)" y="([^"]+)"/>)re");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), shape); it != std::sregex_iterator();
       ++it) {
    const auto& match = *it;
    const std::vector<Contour> read =
        match[1].matched ? ReadPathData(match[1], {})
                         : ReadPathData(definitions.at(match[2]),
                                        {std::strtof(match[3].str().c_str(), nullptr),
                                         std::strtof(match[4].str().c_str(), nullptr)},
                                        scales.at(match[2]));
    contours.insert(contours.end(), read.begin(), read.end());
  }
  return contours;
}

Point OnPage(host::RealPoint point) {
  return {point.h, -static_cast<double>(point.v)};
}

bool Same(host::RealPoint a, host::RealPoint b) {
  return a.h == b.h && a.v == b.v;
}

// The document's contours as the file should hold them exactly: each anchor, and where a handle
// leaves its anchor, the edge's two controls.
void ExpectSameContours(const Document& document, const std::vector<Contour>& read) {
  const std::vector<const Art*> paths = document.Paths();
  ASSERT_EQ(read.size(), paths.size());
  for (size_t c = 0; c < paths.size(); ++c) {
    const auto& segments = paths[c]->path.segments;
    const Contour& contour = read[c];
    const size_t edges = segments.size() - 1 +
                         (Same(segments.back().out, segments.back().p) &&
                                  Same(segments.front().in, segments.front().p)
                              ? 0
                              : 1);
    ASSERT_EQ(contour.anchors.size(), edges + 1) << "contour " << c;
    for (size_t i = 0; i <= edges; ++i) {
      const host::PathSegment& to = segments[i % segments.size()];
      EXPECT_EQ(contour.anchors[i], OnPage(to.p)) << "contour " << c << " anchor " << i;
      if (i == 0)
        continue;
      const host::PathSegment& from = segments[i - 1];
      if (Same(from.out, from.p) && Same(to.in, to.p)) {
        EXPECT_TRUE(contour.controls[i - 1].empty());
      } else {
        ASSERT_EQ(contour.controls[i - 1].size(), 2u);
        EXPECT_EQ(contour.controls[i - 1][0], OnPage(from.out));
        EXPECT_EQ(contour.controls[i - 1][1], OnPage(to.in));
      }
    }
  }
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SvgWriter : public EmulatorTest {
 protected:
  void Create(int32_t type, const char* item, bool outlines) {
    panels::DataBarForm form;
    form.type = type;
    form.ApplyDefaults();
    form.itemNumber = item;
    form.RefreshCheckDigit();
    form.textAsOutlines = outlines;
    form.textAsFrame = !outlines;
    host::AppContextHandle context = nullptr;
    ASSERT_EQ(host::sContext->PushAppContext(nullptr, &context), host::kNoError);
    EXPECT_EQ(form.CreateSymbol().outcome, panels::DataBarOutcome::kCreated);
    EXPECT_EQ(host::sContext->PopAppContext(context), host::kNoError);
  }

  std::string Written(const std::string& name) {
    const std::string path = ::testing::TempDir() + "svg_" + name;
    EXPECT_TRUE(WriteSvg(*emulator_.document(), path, {}).ok());
    return Contents(path);
  }
};

TEST_F(SvgWriter, OutlinesAndBarsReadBackAsTheDocumentsValues) {
  for (const char* item : {"1001234567890", "0000000000000", "1876543210987"}) {
    for (const int32_t type : {0, 2, 4}) {
      emulator_.NewDocument({306, 396});
      Create(type, item, true);
      const std::string svg = Written("outlines.svg");
      ExpectSameContours(*emulator_.document(), ReadContours(svg));
    }
  }
}

TEST_F(SvgWriter, RepeatedGlyphsArePlacedFromOneDefinition) {
  Create(0, "0000000000000", true);  // "(01)00000000000000": four different characters
  const std::string svg = Written("zeros.svg");
  const auto count = [&](const std::string& text) {
    size_t n = 0;
    for (size_t at = svg.find(text); at != std::string::npos; at = svg.find(text, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(count("<use "), 18u);
  EXPECT_LT(count("<path id="), 18u);
  EXPECT_GE(count("<path id="), 4u);
  // Each glyph's outline is whole numbers in relative commands, scaled by a power of two.
  EXPECT_EQ(count("\" transform=\"scale(0.0000"), count("<path id="));
  EXPECT_EQ(count(" d=\"m0 0"), count("<path id="));
  // A second file defines its own glyphs again: each file stands alone.
  EXPECT_EQ(Written("again.svg"), svg);
}

TEST_F(SvgWriter, EachSymbolIsOneGroupAndThePageIsSizedInMillimetres) {
  Create(2, "2001234567890", false);
  Create(0, "2001234567890", false);
  const std::string svg = Written("two.svg");
  size_t groups = 0;
  for (size_t at = svg.find("<g>"); at != std::string::npos; at = svg.find("<g>", at + 1))
    ++groups;
  EXPECT_EQ(groups, 2u);
  std::smatch match;
  ASSERT_TRUE(std::regex_search(
      svg, match,
      std::regex(R"re(width="([\d.]+)mm" height="([\d.]+)mm" viewBox="\S+ \S+ (\S+) (\S+)")re")));
  EXPECT_NEAR(std::stod(match[1]), std::stod(match[3]) * 25.4 / 72, 1e-4);
  EXPECT_NEAR(std::stod(match[2]), std::stod(match[4]) * 25.4 / 72, 1e-4);
  EXPECT_NE(svg.find(">(01)20012345678909</text>"), std::string::npos);
}

}  // namespace
}  // namespace emulator
