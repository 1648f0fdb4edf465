#include "art/glyph_outline.h"

#include "art/glyph_directory.h"

namespace art {

uint32_t GlyphInfo(uint16_t code) {
  const GlyphEntry* entry = FindGlyph(code);
  if (entry == nullptr)
    return 0;
  return static_cast<uint32_t>(entry->count - 1) << 16 | (entry->compound() ? 1u : 0u);
}

GlyphOutlineRecord GlyphRecord(uint16_t code, int32_t index) {
  const GlyphEntry* entry = FindGlyph(code);
  if (entry == nullptr || index < 0 || index >= entry->count)
    return {};
  return kGlyphTable[entry->first + index];
}

}  // namespace art
