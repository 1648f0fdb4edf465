// Changes to a contour that keep its shape or change it only where asked: joining a hole into
// its outer contour, adding an anchor, choosing the first anchor.
#pragma once

#include <cstddef>

#include "tools/glyphs/font_outline.h"

namespace glyphs {

// One contour tracing both: the straight edge of `outer` that starts at outerEdgeStart and the
// straight edge of `hole` that starts at holeEdgeStart are replaced by two edges crossing over
// between their ends. Where the two edges face each other across a stroke, the stroke between
// them is cut away and the hole opens into the outside. Throws when an edge is missing.
Contour JoinContours(const Contour& outer, Point outerEdgeStart, const Contour& hole,
                     Point holeEdgeStart);

// Splits the contour at its point nearest to `point` (unless an anchor is already there) and
// returns the index of the cubic that starts at that anchor.
size_t SplitAtNearest(Contour& contour, Point point);

// Makes the anchor at `index` the contour's first.
void RotateToStart(Contour& contour, size_t index);

}  // namespace glyphs
