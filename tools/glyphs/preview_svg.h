// A picture for checking the table by eye: every glyph drawn from its records, filled, with the
// font's own outline over it as a thin line.
#pragma once

#include <string>
#include <vector>

#include "tools/glyphs/glyph_records.h"

namespace glyphs {

struct PreviewGlyph {
  std::vector<Contour> drawn;      // read back from the records
  std::vector<Contour> reference;  // the font's outline in table units (may be empty)
};

// Throws when the file cannot be written.
void WritePreview(const std::string& path, const std::vector<PreviewGlyph>& glyphs);

}  // namespace glyphs
