// The page a document is written on, and the paint of its art.
#pragma once

#include <optional>

#include "emulator/document.h"
#include "host/colour.h"

namespace emulator {

// A point on the page, in points from its top-left corner, y growing downward.
struct PagePoint {
  double x = 0;
  double y = 0;
};

struct Page {
  double left = 0;  // document coordinates of the page's top-left corner
  double top = 0;
  double width = 0;  // points
  double height = 0;

  PagePoint ToPage(host::RealPoint point) const { return {point.h - left, top - point.v}; }
};

// The bounds of all art with the margin around them; an empty document gives a page of margins.
Page PageFor(const Document& document, double marginMm);

// The page of a sheet on which the document's art has the top-left corner of its bounds at (x, y)
// points from the page's top-left corner.
Page PlacedPage(const Document& document, double x, double y, double width, double height);

struct Rgb {
  double red = 0;
  double green = 0;
  double blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The screen colour of a host colour; none for the "no colour" kind. On the grey scale 1 is black.
std::optional<Rgb> ScreenColour(const host::Colour& colour);

// A colour as a print file states it, in the colour space the host colour is of: a grey level
// (0 black, 1 white, as print files count it), the four process inks, or red, green and blue.
struct Ink {
  enum Space { kGrey, kCmyk, kRgb };
  Space space = kGrey;
  double values[4] = {};  // grey uses one, RGB three
  bool operator==(const Ink&) const = default;
};

// None for the "no colour" kind.
std::optional<Ink> InkOf(const host::Colour& colour);

}  // namespace emulator
