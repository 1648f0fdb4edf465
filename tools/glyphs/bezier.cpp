#include "tools/glyphs/bezier.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace glyphs {

double Dot(Point a, Point b) {
  return a.x * b.x + a.y * b.y;
}
double Length(Point a) {
  return std::hypot(a.x, a.y);
}
double Distance(Point a, Point b) {
  return Length(a - b);
}

Point Normalised(Point a) {
  const double length = Length(a);
  return length == 0 ? Point{} : a * (1 / length);
}

bool operator==(const Cubic& a, const Cubic& b) {
  return a.p0 == b.p0 && a.c1 == b.c1 && a.c2 == b.c2 && a.p3 == b.p3;
}

Cubic Line(Point from, Point to) {
  return {from, from, to, to};
}

bool IsLine(const Cubic& cubic) {
  return cubic.c1 == cubic.p0 && cubic.c2 == cubic.p3;
}

Point Evaluate(const Cubic& cubic, double t) {
  const double u = 1 - t;
  return cubic.p0 * (u * u * u) + cubic.c1 * (3 * u * u * t) + cubic.c2 * (3 * u * t * t) +
         cubic.p3 * (t * t * t);
}

std::pair<Cubic, Cubic> Split(const Cubic& cubic, double t) {
  auto lerp = [t](Point a, Point b) { return a + (b - a) * t; };
  const Point a = lerp(cubic.p0, cubic.c1);
  const Point b = lerp(cubic.c1, cubic.c2);
  const Point c = lerp(cubic.c2, cubic.p3);
  const Point d = lerp(a, b);
  const Point e = lerp(b, c);
  const Point middle = lerp(d, e);
  if (IsLine(cubic))
    return {Line(cubic.p0, middle), Line(middle, cubic.p3)};
  return {{cubic.p0, a, d, middle}, {middle, e, c, cubic.p3}};
}

// The first control point that differs from the end point gives the direction; a straight line
// has its direction towards the other end.
Point StartTangent(const Cubic& cubic) {
  for (Point next : {cubic.c1, cubic.c2, cubic.p3}) {
    if (!(next == cubic.p0))
      return Normalised(next - cubic.p0);
  }
  return {};
}

Point EndTangent(const Cubic& cubic) {
  for (Point previous : {cubic.c2, cubic.c1, cubic.p0}) {
    if (!(previous == cubic.p3))
      return Normalised(previous - cubic.p3);
  }
  return {};
}

double PolylineLength(const Cubic& cubic, int samples) {
  double length = 0;
  Point previous = cubic.p0;
  for (int i = 1; i <= samples; ++i) {
    const Point next = Evaluate(cubic, static_cast<double>(i) / samples);
    length += Distance(previous, next);
    previous = next;
  }
  return length;
}

std::vector<Point> Sample(const std::vector<Cubic>& chain, int perCubic) {
  std::vector<Point> points;
  for (const Cubic& cubic : chain) {
    for (int i = 0; i < perCubic; ++i) {
      points.push_back(Evaluate(cubic, static_cast<double>(i) / perCubic));
    }
  }
  if (!chain.empty())
    points.push_back(chain.back().p3);
  return points;
}

namespace {

double DistanceToLineSegment(Point point, Point a, Point b) {
  const Point ab = b - a;
  const double lengthSquared = Dot(ab, ab);
  const double t =
      lengthSquared == 0 ? 0 : std::clamp(Dot(point - a, ab) / lengthSquared, 0.0, 1.0);
  return Distance(point, a + ab * t);
}

}  // namespace

double DistanceToPolyline(Point point, const std::vector<Point>& polyline) {
  if (polyline.size() == 1)
    return Distance(point, polyline.front());
  double nearest = std::numeric_limits<double>::infinity();
  for (size_t i = 1; i < polyline.size(); ++i) {
    nearest = std::min(nearest, DistanceToLineSegment(point, polyline[i - 1], polyline[i]));
  }
  return nearest;
}

// A coarse search over the curve followed by ever finer searches around the best parameter.
double NearestParameter(const Cubic& cubic, Point point) {
  double best = 0;
  double step = 1.0 / 64;
  double from = 0;
  double to = 1;
  for (int round = 0; round < 6; ++round) {
    double bestDistance = std::numeric_limits<double>::infinity();
    for (double t = from; t <= to + 1e-12; t += step) {
      const double distance = Distance(Evaluate(cubic, t), point);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = t;
      }
    }
    from = std::max(0.0, best - step);
    to = std::min(1.0, best + step);
    step /= 16;
  }
  return best;
}

}  // namespace glyphs
