#include "emulator/path_rectangle.h"

#include <algorithm>

namespace emulator {

std::optional<PathRectangle> AsRectangle(std::span<const PathStep> path) {
  const bool fourCorners = (path.size() == 4 || (path.size() == 5 && path[4].op == 'h')) &&
                           path[0].op == 'm' && path[1].op == 'l' && path[2].op == 'l' &&
                           path[3].op == 'l';
  if (!fourCorners)
    return std::nullopt;
  const PagePoint p[4] = {path[0].points[0], path[1].points[0], path[2].points[0],
                          path[3].points[0]};
  const bool widthFirst =
      p[0].y == p[1].y && p[1].x == p[2].x && p[2].y == p[3].y && p[3].x == p[0].x;
  const bool heightFirst =
      p[0].x == p[1].x && p[1].y == p[2].y && p[2].x == p[3].x && p[3].y == p[0].y;
  if (!widthFirst && !heightFirst)
    return std::nullopt;
  return PathRectangle{std::min(p[0].x, p[2].x), std::min(p[0].y, p[2].y), std::max(p[0].x, p[2].x),
                       std::max(p[0].y, p[2].y)};
}

}  // namespace emulator
