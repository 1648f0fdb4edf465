// Paths as the writers receive them from PaintDocument, and the one shape they treat apart: a
// rectangle with edges along the page's axes, which is every bar, space and background.
#pragma once

#include <optional>
#include <span>

#include "emulator/page_geometry.h"

namespace emulator {

struct PathStep {
  char op = 'm';  // 'm' move, 'l' line, 'c' curve (two controls, then the end), 'h' close
  PagePoint points[3];
};

// How many points a step of the operation holds.
constexpr int PointCount(char op) {
  return op == 'c' ? 3 : op == 'h' ? 0 : 1;
}

struct PathRectangle {
  double left = 0;  // page coordinates, left < right and top < bottom (y grows downward)
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// The rectangle a path of one contour with four corners and axis-parallel edges outlines, or
// nothing for any other path.
std::optional<PathRectangle> AsRectangle(std::span<const PathStep> path);

}  // namespace emulator
