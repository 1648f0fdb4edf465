#include "tools/glyphs/preview_svg.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace glyphs {

namespace {

constexpr int kColumns = 6;
constexpr double kCellWidth = 6000;
constexpr double kCellHeight = 9000;
constexpr double kBaselineInCell = 8000;

std::string Coordinates(Point point, Point origin) {
  std::ostringstream text;
  text << origin.x + point.x << ' ' << origin.y - point.y;
  return text.str();
}

// SVG path data; y is flipped so that the glyphs stand upright.
std::string PathData(const std::vector<Contour>& contours, Point origin) {
  std::string data;
  for (const Contour& contour : contours) {
    if (contour.empty())
      continue;
    data += "M" + Coordinates(contour.front().p0, origin);
    for (const Cubic& cubic : contour) {
      data += "C" + Coordinates(cubic.c1, origin) + " " + Coordinates(cubic.c2, origin) + " " +
              Coordinates(cubic.p3, origin);
    }
    data += "Z";
  }
  return data;
}

}  // namespace

void WritePreview(const std::string& path, const std::vector<PreviewGlyph>& glyphs) {
  const int rows = (static_cast<int>(glyphs.size()) + kColumns - 1) / kColumns;
  std::ofstream out(path);
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << kColumns * kCellWidth << ' '
      << rows * kCellHeight << "\" width=\"" << kColumns * 100 << "\" height=\"" << rows * 150
      << "\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const Point origin{(static_cast<double>(i % kColumns) + 0.5) * kCellWidth,
                       static_cast<double>(i / kColumns) * kCellHeight + kBaselineInCell};
    out << "<path fill=\"black\" d=\"" << PathData(glyphs[i].drawn, origin) << "\"/>\n";
    out << "<path fill=\"none\" stroke=\"red\" stroke-width=\"20\" d=\""
        << PathData(glyphs[i].reference, origin) << "\"/>\n";
  }
  out << "</svg>\n";
  if (!out)
    throw std::runtime_error("cannot write " + path);
}

}  // namespace glyphs
