#include "art/glyph_mapping.h"

namespace art {

namespace {

constexpr int kGlyphCodeOffset = 15955;
constexpr int kShiftedGlyphCodeOffset = 16452;
constexpr uint16_t kOpeningParenthesisGlyph = 16060;
constexpr uint16_t kClosingParenthesisGlyph = 16061;
constexpr uint16_t kDollarGlyph = 16047;
constexpr uint16_t kBarGlyph = 16000;

uint16_t OffsetCode(char character, int offset) {
  return static_cast<uint16_t>(character + offset);
}

bool HasLetterGlyph(char character) {
  switch (character) {
    case 'B':
    case 'C':
    case 'E':
    case 'I':
    case 'N':
    case 'S':
    case 'X':
      return true;
    default:
      return false;
  }
}

}  // namespace

uint16_t HriGlyphCode(char character) {
  if (character == '(')
    return kOpeningParenthesisGlyph;
  if (character == ')')
    return kClosingParenthesisGlyph;
  return OffsetCode(character, kGlyphCodeOffset);
}

uint16_t CharGlyphCode(char character) {
  if (character == '$')
    return kDollarGlyph;
  if (character == '(' || character == ')')
    return HriGlyphCode(character);
  if ((character >= '0' && character <= '9') || HasLetterGlyph(character)) {
    return OffsetCode(character, kGlyphCodeOffset);
  }
  return kBarGlyph;
}

uint16_t ShiftedGlyphCode(char character) {
  return OffsetCode(character, kShiftedGlyphCodeOffset);
}

}  // namespace art
