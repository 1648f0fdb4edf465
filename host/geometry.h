// Points, rectangles, sizes and path segments as the host suites exchange them. Vertical
// coordinates grow upward.
#pragma once

#include "host/fixed.h"

namespace host {

struct RealPoint {
  Real h = 0;
  Real v = 0;
};

struct FixedPoint {
  Fixed h = 0;
  Fixed v = 0;
};

struct RealRect {
  Real left = 0;
  Real top = 0;
  Real right = 0;
  Real bottom = 0;
};

struct FixedRect {
  Fixed left = 0;
  Fixed top = 0;
  Fixed right = 0;
  Fixed bottom = 0;
};

struct Size {
  Real width = 0;
  Real height = 0;
};

// One anchor point of a path with its incoming and outgoing control points.
struct PathSegment {
  RealPoint p;
  RealPoint in;
  RealPoint out;
  bool corner = true;
};

}  // namespace host
