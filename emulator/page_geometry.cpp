#include "emulator/page_geometry.h"

#include <algorithm>

namespace emulator {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

double Unit(double value) {
  return std::clamp(value, 0.0, 1.0);
}

}  // namespace

Page PageFor(const Document& document, double marginMm) {
  const double margin = marginMm * kPointsPerMm;
  const host::RealRect bounds = document.Bounds().value_or(host::RealRect{});
  Page page;
  page.left = bounds.left - margin;
  page.top = bounds.top + margin;
  page.width = static_cast<double>(bounds.right) - bounds.left + 2 * margin;
  page.height = static_cast<double>(bounds.top) - bounds.bottom + 2 * margin;
  return page;
}

Page PlacedPage(const Document& document, double x, double y, double width, double height) {
  const host::RealRect bounds = document.Bounds().value_or(host::RealRect{});
  Page page;
  page.left = bounds.left - x;
  page.top = bounds.top + y;
  page.width = width;
  page.height = height;
  return page;
}

std::optional<Rgb> ScreenColour(const host::Colour& colour) {
  const host::Real* c = colour.components;
  switch (colour.kind) {
    case host::kGreyColour:
      return Rgb{1 - Unit(c[0]), 1 - Unit(c[0]), 1 - Unit(c[0])};
    case host::kProcessColour: {
      const double white = 1 - Unit(c[3]);
      return Rgb{(1 - Unit(c[0])) * white, (1 - Unit(c[1])) * white, (1 - Unit(c[2])) * white};
    }
    case host::kRgbColour:
      return Rgb{Unit(c[0]), Unit(c[1]), Unit(c[2])};
    default:
      return std::nullopt;
  }
}

std::optional<Ink> InkOf(const host::Colour& colour) {
  const host::Real* c = colour.components;
  switch (colour.kind) {
    case host::kGreyColour:
      return Ink{Ink::kGrey, {1 - Unit(c[0])}};
    case host::kProcessColour:
      return Ink{Ink::kCmyk, {Unit(c[0]), Unit(c[1]), Unit(c[2]), Unit(c[3])}};
    case host::kRgbColour:
      return Ink{Ink::kRgb, {Unit(c[0]), Unit(c[1]), Unit(c[2])}};
    default:
      return std::nullopt;
  }
}

}  // namespace emulator
