// Bringing a glyph's outline to an exact number of anchor points while keeping its shape:
// adjacent segments that together are nearly one cubic are merged (the flattest first), or the
// longest segments are halved, which does not change the shape at all.
#pragma once

#include <vector>

#include "tools/glyphs/font_outline.h"

namespace glyphs {

struct FittedSegment {
  Cubic curve;
  std::vector<Cubic> source;  // the part of the font's outline the curve stands for
  bool anchorPinned = false;  // the anchor at the start of the curve must stay
  bool fixed = false;         // the curve is given and is neither merged nor split
};

// Segment i runs from anchor i to anchor i + 1; the last runs back to anchor 0.
using FittedContour = std::vector<FittedSegment>;

FittedContour ExactContour(const Contour& contour);

// Merges or splits segments until the contours hold `anchors` anchor points in all. Throws when
// that cannot be done.
void FitToAnchorCount(std::vector<FittedContour>& contours, int anchors);

int AnchorCount(const std::vector<FittedContour>& contours);

// The greatest distance between a fitted curve and the outline it stands for.
double MaxDeviation(const std::vector<FittedContour>& contours);

}  // namespace glyphs
