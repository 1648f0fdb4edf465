// The outline records of every glyph of the directory, in 1/1000 of a text unit, and how they
// are read through the directory. The origin of a glyph is the centre of its character cell on
// the baseline; y grows upward.
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

// The directory value of a code: the index of the glyph's last record in the high 16 bits, 1 in
// the low 16 bits for a compound glyph. A code without outline data has 0: one record, simple.
inline uint32_t GlyphInfo(uint16_t code) {
  const GlyphEntry* entry = FindGlyph(code);
  if (entry == nullptr)
    return 0;
  return static_cast<uint32_t>(entry->count - 1) << 16 | (entry->compound() ? 1u : 0u);
}

// Record `index` of the glyph. A code without outline data, or an index outside the glyph,
// reads as six zeros.
inline GlyphOutlineRecord GlyphRecord(uint16_t code, int32_t index) {
  const GlyphEntry* entry = FindGlyph(code);
  if (entry == nullptr || index < 0 || index >= entry->count)
    return {};
  return kGlyphTable[entry->first + index];
}

}  // namespace art
