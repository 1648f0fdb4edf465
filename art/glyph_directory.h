// Where each outline glyph lies in the glyph table: its code, the character it draws, its first
// record, its number of records and its number of contours. A glyph of one contour is a simple
// path; a glyph of several contours is a compound path whose every contour begins with a
// contour-start record (dx = dy = 0). The table generator and the drawing share this directory.
#pragma once

#include <array>
#include <cstdint>

namespace art {

struct GlyphEntry {
  uint16_t code;
  char character;  // '\0' for the horizontal bar, which stands for no character
  uint16_t first;
  uint16_t count;
  uint16_t contours;

  bool compound() const { return contours > 1; }
};

constexpr int kGlyphRecordCount = 400;

constexpr std::array<GlyphEntry, 22> kGlyphDirectory = {{
    {16000, '\0', 0, 4, 1},   {16003, '0', 4, 34, 2},   {16004, '1', 38, 7, 1},
    {16005, '2', 45, 25, 1},  {16006, '3', 70, 22, 1},  {16007, '4', 92, 15, 1},
    {16008, '5', 107, 21, 1}, {16009, '6', 128, 23, 2}, {16010, '7', 151, 18, 1},
    {16011, '8', 169, 35, 3}, {16012, '9', 204, 23, 2}, {16021, 'B', 227, 31, 3},
    {16022, 'C', 258, 18, 1}, {16024, 'E', 276, 12, 1}, {16028, 'I', 288, 12, 1},
    {16033, 'N', 300, 10, 1}, {16038, 'S', 310, 29, 1}, {16039, 'T', 339, 8, 1},
    {16043, 'X', 347, 12, 1}, {16047, '$', 359, 17, 1}, {16060, '(', 376, 12, 1},
    {16061, ')', 388, 12, 1},
}};

// The glyphs follow each other without gaps and fill the table exactly.
constexpr bool DirectoryFillsTable() {
  int next = 0;
  for (const GlyphEntry& entry : kGlyphDirectory) {
    if (entry.first != next)
      return false;
    next += entry.count;
  }
  return next == kGlyphRecordCount;
}
static_assert(DirectoryFillsTable());

// The directory entry of a code, or null for a code without outline data.
constexpr const GlyphEntry* FindGlyph(uint16_t code) {
  for (const GlyphEntry& entry : kGlyphDirectory) {
    if (entry.code == code)
      return &entry;
  }
  return nullptr;
}

}  // namespace art
