// The outline records of every glyph of the directory, in 1/1000 of a text unit. The origin of a
// glyph is the centre of its character cell on the baseline; y grows upward.
#pragma once

#include <cstdint>

#include "art/glyph_directory.h"

namespace art {

// One anchor point: its offset from the previous anchor (from the glyph origin for a glyph's
// first record) and its incoming and outgoing control points relative to the anchor. In a
// compound glyph a record with dx = dy = 0 starts a new contour instead.
struct GlyphOutlineRecord {
  int32_t dx = 0;
  int32_t dy = 0;
  int32_t inDx = 0;
  int32_t inDy = 0;
  int32_t outDx = 0;
  int32_t outDy = 0;

  bool startsContour() const { return dx == 0 && dy == 0; }
  friend bool operator==(const GlyphOutlineRecord&, const GlyphOutlineRecord&) = default;
};

extern const GlyphOutlineRecord kGlyphTable[kGlyphRecordCount];

}  // namespace art
