// Which glyph draws a character. The codes of the outline glyphs are the character codes plus
// 15955, except for the parentheses, whose glyphs lie at 16060 and 16061.
#pragma once

#include <cstdint>

namespace art {

// The glyph of a character of a human-readable line: '(' and ')' their own glyphs, every other
// character its code plus 15955 ('0' to '9' become 16003 to 16012). Characters without outline
// data get a code without outline data.
uint16_t HriGlyphCode(char character);

// The glyph of a character where only the characters with outline data may appear: '$', the
// parentheses, the digits and B C E I N S X; everything else draws the horizontal bar (16000).
uint16_t CharGlyphCode(char character);

// The character's code plus 16452; no glyph has outline data there.
uint16_t ShiftedGlyphCode(char character);

}  // namespace art
