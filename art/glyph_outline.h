// Reading the glyph table through its directory.
#pragma once

#include <cstdint>

#include "art/glyph_table.h"

namespace art {

// The directory value of a code: the index of the glyph's last record in the high 16 bits, 1 in
// the low 16 bits for a compound glyph. A code without outline data has 0: one record, simple.
uint32_t GlyphInfo(uint16_t code);

// Record `index` of the glyph. A code without outline data, or an index outside the glyph,
// reads as six zeros.
GlyphOutlineRecord GlyphRecord(uint16_t code, int32_t index);

}  // namespace art
