// Writes the glyph table as a C++ source file.
#pragma once

#include <string>
#include <vector>

#include "tools/glyphs/glyph_records.h"

namespace glyphs {

// `glyphs` holds the records of every directory entry, in directory order. Throws when the file
// cannot be written.
void WriteGlyphTable(const std::string& path, const std::vector<GlyphRecords>& glyphs);

}  // namespace glyphs
