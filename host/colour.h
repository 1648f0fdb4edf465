// The host's colour record (17 words: a kind and up to 16 components) and the path style that
// carries fill and stroke paint.
#pragma once

#include <cstdint>

#include "host/fixed.h"

namespace host {

enum ColourKind : int32_t {
  kGreyColour = 0,
  kProcessColour = 1,
  kRgbColour = 2,
  kNoColour = 3,
};

struct Colour {
  int32_t kind = kGreyColour;
  Real components[16] = {};
};
static_assert(sizeof(Colour) == 17 * 4);

// Grey 1.0 is full black on the host's grey scale, 0.0 is white.
inline Colour GreyColour(Real grey) {
  Colour colour;
  colour.kind = kGreyColour;
  colour.components[0] = grey;
  return colour;
}

struct FillStyle {
  Colour colour;
  bool overprint = false;
};

struct StrokeStyle {
  Colour colour;
  bool overprint = false;
  Real width = 1;
  int32_t cap = 0;
  int32_t join = 0;
  Real miterLimit = 4;
};

struct PathStyle {
  bool fillPaint = false;
  bool strokePaint = false;
  FillStyle fill;
  StrokeStyle stroke;
  bool clip = false;
  bool lockClip = false;
  bool evenOdd = false;
};

// Which fields of a PathStyle hold a known value (the host fills it with the current style).
struct PathStyleMap {
  bool fillPaint = true;
  bool strokePaint = true;
  bool fill = true;
  bool stroke = true;
  bool clip = true;
};

}  // namespace host
