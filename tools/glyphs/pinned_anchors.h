// Anchors whose records are given rather than fitted: a contour can be made to begin with them.
#pragma once

#include <vector>

#include "tools/glyphs/outline_fitter.h"

namespace glyphs {

// Position and control points (relative to the position) of a given anchor, in table units.
struct PinnedAnchor {
  Point position;
  Point in;
  Point out;
};

// The contour, split at its points nearest to the pinned anchors and starting at the first of
// them; the curves between consecutive pinned anchors are the ones their control points give.
FittedContour PinLeadingAnchors(Contour contour, const std::vector<PinnedAnchor>& pinned);

// After fitting: the curves on either side of the pinned run end exactly at the pinned anchors,
// with the given control points.
void AttachPinnedNeighbours(FittedContour& contour, const std::vector<PinnedAnchor>& pinned);

}  // namespace glyphs
