// How the font's units become table units (1/1000 of a text unit): the origin moves to the
// centre of the character cell on the baseline and the digits are scaled to the table's size.
#pragma once

#include "tools/glyphs/bezier.h"
#include "tools/glyphs/font_outline.h"

namespace glyphs {

struct Placement {
  double cellCentre = 0;  // font x of the origin
  double baseline = 0;    // font y of the origin
  double xScale = 1;
  double yScale = 1;
};

// The digits '0' to '9' together stand from y = 0 to 7000 and span 4680 in x; the origin is the
// centre of the digits' advance. Both axes are scaled on their own, since the table's digits are
// a little wider for their height than the font's.
Placement PlaceDigits(const Font& font);

Point Place(Point point, const Placement& placement);
Contour Place(const Contour& contour, const Placement& placement);

}  // namespace glyphs
