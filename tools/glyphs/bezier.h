// Points and cubic Bézier segments in the plane, with the few operations the outline fitting
// needs: evaluation, splitting, sampling and distances.
#pragma once

#include <utility>
#include <vector>

namespace glyphs {

struct Point {
  double x = 0;
  double y = 0;
};

inline Point operator+(Point a, Point b) {
  return {a.x + b.x, a.y + b.y};
}
inline Point operator-(Point a, Point b) {
  return {a.x - b.x, a.y - b.y};
}
inline Point operator*(Point a, double s) {
  return {a.x * s, a.y * s};
}
inline bool operator==(Point a, Point b) {
  return a.x == b.x && a.y == b.y;
}
double Dot(Point a, Point b);
double Length(Point a);
double Distance(Point a, Point b);
// The unit vector of a, or (0, 0) for a null vector.
Point Normalised(Point a);

// A cubic from p0 to p3 with control points c1 and c2. A straight line has c1 = p0 and c2 = p3.
struct Cubic {
  Point p0;
  Point c1;
  Point c2;
  Point p3;
};

bool operator==(const Cubic& a, const Cubic& b);
Cubic Line(Point from, Point to);
bool IsLine(const Cubic& cubic);
Point Evaluate(const Cubic& cubic, double t);
// The two halves of the cubic at parameter t; together they trace exactly the same curve.
std::pair<Cubic, Cubic> Split(const Cubic& cubic, double t);
// Unit tangent leaving p0 and unit tangent arriving at p3 (pointing back towards the curve).
Point StartTangent(const Cubic& cubic);
Point EndTangent(const Cubic& cubic);
// Length of the polyline through `samples` + 1 evenly spaced points.
double PolylineLength(const Cubic& cubic, int samples = 32);

// Evenly spaced points along a chain of cubics, `perCubic` points per cubic plus the end point.
std::vector<Point> Sample(const std::vector<Cubic>& chain, int perCubic);
// Distance from a point to the nearest point of a polyline.
double DistanceToPolyline(Point point, const std::vector<Point>& polyline);
// The parameter of the point of the cubic nearest to the given point.
double NearestParameter(const Cubic& cubic, Point point);

}  // namespace glyphs
