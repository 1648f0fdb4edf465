#include "tools/glyphs/pinned_anchors.h"

#include <algorithm>
#include <stdexcept>

#include "tools/glyphs/contour_edit.h"
#include "tools/glyphs/cubic_fit.h"

namespace glyphs {

namespace {

size_t IndexOfAnchor(const Contour& contour, Point anchor) {
  for (size_t i = 0; i < contour.size(); ++i) {
    if (contour[i].p0 == anchor)
      return i;
  }
  throw std::logic_error("a pinned anchor went missing");
}

// The curve from one pinned anchor to the next, standing for the outline between them.
FittedSegment GivenCurve(const FittedContour& contour, size_t from, size_t to,
                         const PinnedAnchor& start, const PinnedAnchor& end) {
  FittedSegment given;
  for (size_t i = from; i < to; ++i) {
    given.source.insert(given.source.end(), contour[i].source.begin(), contour[i].source.end());
  }
  given.curve = {start.position, start.position + start.out, end.position + end.in, end.position};
  given.anchorPinned = true;
  given.fixed = true;
  return given;
}

// The length of the handle at the far end of a curve whose near end was moved onto a pinned
// anchor, chosen so that the curve stays closest to the outline; its direction stays, so the
// curve still meets its other neighbour smoothly.
void RefitHandleLength(Point& handle, Point anchor, FittedSegment& segment) {
  const Point direction = handle - anchor;
  double bestScale = 1;
  double bestDeviation = Deviation(segment.curve, segment.source);
  for (double scale = 0.2; scale <= 3.0; scale += 0.01) {
    handle = anchor + direction * scale;
    const double deviation = Deviation(segment.curve, segment.source);
    if (deviation < bestDeviation) {
      bestScale = scale;
      bestDeviation = deviation;
    }
  }
  handle = anchor + direction * bestScale;
}

}  // namespace

FittedContour PinLeadingAnchors(Contour contour, const std::vector<PinnedAnchor>& pinned) {
  RotateToStart(contour, SplitAtNearest(contour, pinned.front().position));
  std::vector<Point> anchors;
  for (const PinnedAnchor& anchor : pinned) {
    anchors.push_back(contour[SplitAtNearest(contour, anchor.position)].p0);
  }
  std::vector<size_t> indices;
  for (Point anchor : anchors)
    indices.push_back(IndexOfAnchor(contour, anchor));
  if (indices.front() != 0 || !std::is_sorted(indices.begin(), indices.end()) ||
      std::adjacent_find(indices.begin(), indices.end()) != indices.end()) {
    throw std::runtime_error("the pinned anchors do not follow each other along the contour");
  }

  FittedContour fitted = ExactContour(contour);
  fitted[indices.back()].anchorPinned = true;
  for (size_t j = indices.size() - 1; j > 0; --j) {
    const FittedSegment given =
        GivenCurve(fitted, indices[j - 1], indices[j], pinned[j - 1], pinned[j]);
    fitted.erase(fitted.begin() + indices[j - 1], fitted.begin() + indices[j]);
    fitted.insert(fitted.begin() + indices[j - 1], given);
  }
  fitted.front().anchorPinned = true;
  return fitted;
}

void AttachPinnedNeighbours(FittedContour& contour, const std::vector<PinnedAnchor>& pinned) {
  const PinnedAnchor& first = pinned.front();
  FittedSegment& before = contour.back();
  before.curve.p3 = first.position;
  before.curve.c2 = first.position + first.in;
  RefitHandleLength(before.curve.c1, before.curve.p0, before);

  const PinnedAnchor& last = pinned.back();
  FittedSegment& after = contour[pinned.size() - 1];
  after.curve.p0 = last.position;
  after.curve.c1 = last.position + last.out;
  RefitHandleLength(after.curve.c2, after.curve.p3, after);
}

}  // namespace glyphs
