#include "tools/glyphs/glyph_placement.h"

#include <algorithm>

namespace glyphs {

namespace {

constexpr double kDigitHeight = 7000;
constexpr double kDigitWidth = 4680;

}  // namespace

Placement PlaceDigits(const Font& font) {
  Box digits = font.Bounds('0');
  for (char digit = '1'; digit <= '9'; ++digit) {
    const Box box = font.Bounds(digit);
    digits = {std::min(digits.left, box.left), std::min(digits.bottom, box.bottom),
              std::max(digits.right, box.right), std::max(digits.top, box.top)};
  }
  return {font.Load('0').advance / 2, digits.bottom, kDigitWidth / (digits.right - digits.left),
          kDigitHeight / (digits.top - digits.bottom)};
}

Point Place(Point point, const Placement& placement) {
  return {(point.x - placement.cellCentre) * placement.xScale,
          (point.y - placement.baseline) * placement.yScale};
}

Contour Place(const Contour& contour, const Placement& placement) {
  Contour placed;
  for (const Cubic& cubic : contour) {
    placed.push_back({Place(cubic.p0, placement), Place(cubic.c1, placement),
                      Place(cubic.c2, placement), Place(cubic.p3, placement)});
  }
  return placed;
}

}  // namespace glyphs
