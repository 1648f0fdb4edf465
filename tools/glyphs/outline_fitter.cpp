#include "tools/glyphs/outline_fitter.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "tools/glyphs/cubic_fit.h"

namespace glyphs {

namespace {

// A contour keeps at least this many anchors, so that it still encloses an area.
constexpr size_t kMinimumAnchors = 3;

bool IsExact(const FittedSegment& segment) {
  return segment.source.size() == 1 && segment.source.front() == segment.curve;
}

bool CanMerge(const FittedContour& contour, size_t first) {
  const FittedSegment& a = contour[first];
  const FittedSegment& b = contour[(first + 1) % contour.size()];
  return contour.size() > kMinimumAnchors && !a.fixed && !b.fixed && !b.anchorPinned;
}

FittedSegment Merged(const FittedSegment& a, const FittedSegment& b) {
  FittedSegment merged;
  merged.source = a.source;
  merged.source.insert(merged.source.end(), b.source.begin(), b.source.end());
  merged.curve = FitCubic(merged.source);
  merged.anchorPinned = a.anchorPinned;
  return merged;
}

void ReplacePair(FittedContour& contour, size_t first, const FittedSegment& merged) {
  const size_t second = (first + 1) % contour.size();
  contour[first] = merged;
  contour.erase(contour.begin() + second);
  if (second == 0)
    std::rotate(contour.begin(), contour.end() - 1, contour.end());
}

// Removes one anchor: the one whose two segments are best replaced by a single cubic.
void MergeCheapestPair(std::vector<FittedContour>& contours) {
  double bestCost = std::numeric_limits<double>::infinity();
  FittedContour* bestContour = nullptr;
  size_t bestFirst = 0;
  FittedSegment bestMerge;
  for (FittedContour& contour : contours) {
    for (size_t i = 0; i < contour.size(); ++i) {
      if (!CanMerge(contour, i))
        continue;
      FittedSegment merged = Merged(contour[i], contour[(i + 1) % contour.size()]);
      const double cost = Deviation(merged.curve, merged.source);
      if (cost < bestCost) {
        bestCost = cost;
        bestContour = &contour;
        bestFirst = i;
        bestMerge = std::move(merged);
      }
    }
  }
  if (bestContour == nullptr)
    throw std::runtime_error("no segments left to merge");
  ReplacePair(*bestContour, bestFirst, bestMerge);
}

// Adds one anchor in the middle of the longest segment that still traces the font exactly.
void SplitLongest(std::vector<FittedContour>& contours) {
  double bestLength = 0;
  FittedContour* bestContour = nullptr;
  size_t bestIndex = 0;
  for (FittedContour& contour : contours) {
    for (size_t i = 0; i < contour.size(); ++i) {
      if (contour[i].fixed || !IsExact(contour[i]))
        continue;
      const double length = PolylineLength(contour[i].curve);
      if (length > bestLength) {
        bestLength = length;
        bestContour = &contour;
        bestIndex = i;
      }
    }
  }
  if (bestContour == nullptr)
    throw std::runtime_error("no segment left to split");
  const auto [before, after] = Split((*bestContour)[bestIndex].curve, 0.5);
  FittedSegment& first = (*bestContour)[bestIndex];
  first.curve = before;
  first.source = {before};
  bestContour->insert(bestContour->begin() + bestIndex + 1, FittedSegment{after, {after}});
}

}  // namespace

FittedContour ExactContour(const Contour& contour) {
  FittedContour fitted;
  for (const Cubic& cubic : contour)
    fitted.push_back({cubic, {cubic}});
  return fitted;
}

int AnchorCount(const std::vector<FittedContour>& contours) {
  int count = 0;
  for (const FittedContour& contour : contours)
    count += static_cast<int>(contour.size());
  return count;
}

void FitToAnchorCount(std::vector<FittedContour>& contours, int anchors) {
  while (AnchorCount(contours) > anchors)
    MergeCheapestPair(contours);
  while (AnchorCount(contours) < anchors)
    SplitLongest(contours);
}

double MaxDeviation(const std::vector<FittedContour>& contours) {
  double deviation = 0;
  for (const FittedContour& contour : contours) {
    for (const FittedSegment& segment : contour) {
      if (!IsExact(segment))
        deviation = std::max(deviation, Deviation(segment.curve, segment.source));
    }
  }
  return deviation;
}

}  // namespace glyphs
