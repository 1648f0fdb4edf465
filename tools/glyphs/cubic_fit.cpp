#include "tools/glyphs/cubic_fit.h"

#include <algorithm>
#include <cmath>

namespace glyphs {

namespace {

constexpr int kSamplesPerCubic = 24;
constexpr int kRefinements = 6;
constexpr double kStraightTolerance = 0.5;

struct SampledChain {
  std::vector<Point> points;
  std::vector<double> parameters;  // by length along the chain, 0 to 1
};

SampledChain SampleByLength(const std::vector<Cubic>& chain) {
  SampledChain sampled{Sample(chain, kSamplesPerCubic), {}};
  double travelled = 0;
  sampled.parameters.push_back(0);
  for (size_t i = 1; i < sampled.points.size(); ++i) {
    travelled += Distance(sampled.points[i - 1], sampled.points[i]);
    sampled.parameters.push_back(travelled);
  }
  for (double& parameter : sampled.parameters)
    parameter = travelled == 0 ? 0 : parameter / travelled;
  return sampled;
}

// Handle lengths along the fixed end tangents that minimise the squared distances between the
// samples and the cubic at their parameters.
Cubic SolveHandles(const SampledChain& sampled, Point p0, Point p3, Point startTangent,
                   Point endTangent) {
  double c11 = 0, c12 = 0, c22 = 0, x1 = 0, x2 = 0;
  for (size_t i = 0; i < sampled.points.size(); ++i) {
    const double u = sampled.parameters[i];
    const double v = 1 - u;
    const Point a1 = startTangent * (3 * u * v * v);
    const Point a2 = endTangent * (3 * u * u * v);
    const Point rest =
        sampled.points[i] - (p0 * (v * v * v + 3 * u * v * v) + p3 * (3 * u * u * v + u * u * u));
    c11 += Dot(a1, a1);
    c12 += Dot(a1, a2);
    c22 += Dot(a2, a2);
    x1 += Dot(a1, rest);
    x2 += Dot(a2, rest);
  }
  const double chord = Distance(p0, p3);
  const double determinant = c11 * c22 - c12 * c12;
  double alpha = chord / 3;
  double beta = chord / 3;
  if (std::abs(determinant) > 1e-12) {
    const double a = (x1 * c22 - x2 * c12) / determinant;
    const double b = (c11 * x2 - c12 * x1) / determinant;
    if (a > chord * 1e-3 && b > chord * 1e-3) {
      alpha = a;
      beta = b;
    }
  }
  return {p0, p0 + startTangent * alpha, p3 + endTangent * beta, p3};
}

// One Newton step per sample towards the parameter of the nearest point of the cubic.
void Reparameterise(SampledChain& sampled, const Cubic& cubic) {
  // Control points of the derivative (a quadratic).
  const Point d0 = (cubic.c1 - cubic.p0) * 3;
  const Point d1 = (cubic.c2 - cubic.c1) * 3;
  const Point d2 = (cubic.p3 - cubic.c2) * 3;
  for (size_t i = 0; i < sampled.points.size(); ++i) {
    const double u = sampled.parameters[i];
    const double v = 1 - u;
    const Point position = Evaluate(cubic, u);
    const Point derivative = d0 * (v * v) + d1 * (2 * u * v) + d2 * (u * u);
    const Point second = (d1 - d0) * (2 * v) + (d2 - d1) * (2 * u);
    const Point offset = position - sampled.points[i];
    const double denominator = Dot(derivative, derivative) + Dot(offset, second);
    if (denominator == 0)
      continue;
    sampled.parameters[i] = std::clamp(u - Dot(offset, derivative) / denominator, 0.0, 1.0);
  }
}

}  // namespace

Cubic FitCubic(const std::vector<Cubic>& chain) {
  const Point p0 = chain.front().p0;
  const Point p3 = chain.back().p3;
  const Cubic line = Line(p0, p3);
  if (Deviation(line, chain) <= kStraightTolerance)
    return line;

  const Point startTangent = StartTangent(chain.front());
  const Point endTangent = EndTangent(chain.back());
  SampledChain sampled = SampleByLength(chain);
  Cubic best = SolveHandles(sampled, p0, p3, startTangent, endTangent);
  double bestDeviation = Deviation(best, chain);
  Cubic current = best;
  for (int round = 0; round < kRefinements; ++round) {
    Reparameterise(sampled, current);
    current = SolveHandles(sampled, p0, p3, startTangent, endTangent);
    const double deviation = Deviation(current, chain);
    if (deviation < bestDeviation) {
      best = current;
      bestDeviation = deviation;
    }
  }
  return best;
}

double Deviation(const Cubic& cubic, const std::vector<Cubic>& chain) {
  const std::vector<Point> curve = Sample({cubic}, 8 * kSamplesPerCubic);
  const std::vector<Point> source = Sample(chain, kSamplesPerCubic);
  double deviation = 0;
  for (Point point : source)
    deviation = std::max(deviation, DistanceToPolyline(point, curve));
  for (Point point : curve)
    deviation = std::max(deviation, DistanceToPolyline(point, source));
  return deviation;
}

}  // namespace glyphs
