// Turning fitted contours into the table's records and back into curves.
#pragma once

#include <vector>

#include "art/glyph_table.h"
#include "tools/glyphs/font_outline.h"
#include "tools/glyphs/outline_fitter.h"

namespace glyphs {

using GlyphRecords = std::vector<art::GlyphOutlineRecord>;

// The records of a glyph, anchors rounded to whole table units: each anchor's offset from the
// previous one (the first from the origin), its control points relative to it. A compound glyph
// begins each contour with a contour-start record; throws if an anchor of a compound glyph would
// repeat the previous one and so read as a contour start.
GlyphRecords ToRecords(const std::vector<FittedContour>& contours, bool compound);

// The contours the records describe, as the drawing reads them.
std::vector<Contour> FromRecords(const GlyphRecords& records, bool compound);

}  // namespace glyphs
