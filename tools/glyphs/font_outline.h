// The outlines of a font's glyphs, read with FreeType in font units: closed contours of cubics
// (straight edges are cubics whose control points lie on their ends).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/glyphs/bezier.h"

namespace glyphs {

// Each cubic ends where the next begins; the last ends where the first begins.
using Contour = std::vector<Cubic>;

struct FontGlyph {
  std::vector<Contour> contours;
  double advance = 0;
};

// Bounding box of a set of contours, exact for the curves.
struct Box {
  double left = 0;
  double bottom = 0;
  double right = 0;
  double top = 0;
};

class Font {
 public:
  // Throws std::runtime_error when the file cannot be read as a font.
  explicit Font(const std::string& path);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // The unscaled, unhinted outline of the character's glyph; throws when the font lacks it.
  FontGlyph Load(char character) const;
  // The exact bounding box of the character's glyph.
  Box Bounds(char character) const;

 private:
  struct Handles;
  std::unique_ptr<Handles> handles_;
};

}  // namespace glyphs
