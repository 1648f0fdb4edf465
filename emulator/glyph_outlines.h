// Lines of text as filled outlines, for the print files: the glyphs of the font file a text frame
// resolved to, placed along the baseline by their advances, as the emulator measures a line.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "emulator/resolved_font.h"

namespace emulator {

// One step of a glyph's contours, in font units, y growing upward.
struct OutlineStep {
  char op = 'm';     // as a path step's (see path_rectangle.h)
  double x[3] = {};  // its points: one, or a curve's two controls and its end
  double y[3] = {};
};

using GlyphOutline = std::vector<OutlineStep>;

struct PlacedGlyph {
  const GlyphOutline* outline = nullptr;  // empty for a blank glyph
  double offset = 0;                      // from the line's start along the baseline, points
};

struct TextOutline {
  double scale = 0;  // points per font unit
  std::vector<PlacedGlyph> glyphs;
};

// Keeps the font files it opened and the outlines it made, for the thread that owns it.
class GlyphOutlines {
 public:
  GlyphOutlines();
  ~GlyphOutlines();
  GlyphOutlines(const GlyphOutlines&) = delete;
  GlyphOutlines& operator=(const GlyphOutlines&) = delete;

  // The glyphs of the text at the size in points; none when the font file cannot be read. The
  // outlines stay valid as long as this object.
  std::optional<TextOutline> Outline(const ResolvedFont& font, std::u16string_view text,
                                     double size);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace emulator
