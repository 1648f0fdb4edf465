#include "tools/glyphs/contour_edit.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace glyphs {

namespace {

size_t FindStraightEdge(const Contour& contour, Point start) {
  for (size_t i = 0; i < contour.size(); ++i) {
    if (contour[i].p0 == start && IsLine(contour[i]))
      return i;
  }
  throw std::runtime_error("no straight edge starts at (" + std::to_string(start.x) + ", " +
                           std::to_string(start.y) + ")");
}

// The contour's cubics from `first` onward, wrapping round, `count` of them.
void AppendCyclic(Contour& to, const Contour& from, size_t first, size_t count) {
  for (size_t i = 0; i < count; ++i)
    to.push_back(from[(first + i) % from.size()]);
}

constexpr double kEndTolerance = 1e-6;

}  // namespace

Contour JoinContours(const Contour& outer, Point outerEdgeStart, const Contour& hole,
                     Point holeEdgeStart) {
  const size_t a = FindStraightEdge(outer, outerEdgeStart);
  const size_t b = FindStraightEdge(hole, holeEdgeStart);
  Contour joined(outer.begin(), outer.begin() + a);
  joined.push_back(Line(outer[a].p0, hole[b].p3));
  AppendCyclic(joined, hole, b + 1, hole.size() - 1);
  joined.push_back(Line(hole[b].p0, outer[a].p3));
  joined.insert(joined.end(), outer.begin() + a + 1, outer.end());
  return joined;
}

size_t SplitAtNearest(Contour& contour, Point point) {
  size_t nearestIndex = 0;
  double nearestT = 0;
  double nearestDistance = std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < contour.size(); ++i) {
    const double t = NearestParameter(contour[i], point);
    const double distance = Distance(Evaluate(contour[i], t), point);
    if (distance < nearestDistance) {
      nearestIndex = i;
      nearestT = t;
      nearestDistance = distance;
    }
  }
  if (nearestT <= kEndTolerance)
    return nearestIndex;
  if (nearestT >= 1 - kEndTolerance)
    return (nearestIndex + 1) % contour.size();
  const auto [before, after] = Split(contour[nearestIndex], nearestT);
  contour[nearestIndex] = before;
  contour.insert(contour.begin() + nearestIndex + 1, after);
  return nearestIndex + 1;
}

void RotateToStart(Contour& contour, size_t index) {
  std::rotate(contour.begin(), contour.begin() + index, contour.end());
}

}  // namespace glyphs
