// The art target that draws human-readable text as filled outline paths from the glyph table,
// without any font: each glyph is a path, or a compound path with a path per contour for glyphs
// with counters.
#pragma once

#include <cstdint>

#include "art/gs1_databar_art.h"
#include "host/colour.h"
#include "host/error.h"
#include "host/fixed.h"
#include "host/handles.h"

namespace art {

// Which glyph draws a character. The codes of the outline glyphs are the character codes plus
// 15955, except for the parentheses, whose glyphs lie at 16060 and 16061.
// The glyph of a character of a human-readable line: '(' and ')' their own glyphs, every other
// character its code plus 15955 ('0' to '9' become 16003 to 16012). Characters without outline
// data get a code without outline data.
uint16_t HriGlyphCode(char character);

// The glyph of a character where only the characters with outline data may appear: '$', the
// parentheses, the digits and B C E I N S X; everything else draws the horizontal bar (16000).
uint16_t CharGlyphCode(char character);

// The character's code plus 16452; no glyph has outline data there.
uint16_t ShiftedGlyphCode(char character);

class CTextPathGS1DataBarArt : public CGS1DataBarArt {
 public:
  explicit CTextPathGS1DataBarArt(host::ArtHandle group) : CGS1DataBarArt(group) {}

  // The glyph codes of a character (HriGlyphCode, CharGlyphCode, ShiftedGlyphCode).
  virtual uint16_t GlyphForHriChar(char character) const;
  virtual uint16_t GlyphForChar(char character) const;
  virtual uint16_t GlyphForCharShifted(char character) const;

  // Draws the glyph with its origin (the centre of its cell on the baseline) at (x, y), filled
  // with the colour and unstroked, scale points per text unit. A record value v becomes
  // trunc(v × scale) thousandths of a point, then that length truncated to the host's fixed point.
  // A code without outline data draws a one-point path at the origin. Returns 0, or the code of
  // the first host call that failed; the glyph's art is then disposed of again, so that no glyph
  // stays without some of its contours or segments.
  host::ErrorCode DrawGlyph(host::Fixed x, host::Fixed y, uint16_t code, const host::Colour& colour,
                            host::Real scale);

 private:
  host::ErrorCode DrawSimpleGlyph(host::ArtHandle path, host::RealPoint origin, uint16_t code,
                                  int32_t last, host::Real scale);
  host::ErrorCode DrawCompoundGlyph(host::ArtHandle compound, host::RealPoint origin, uint16_t code,
                                    int32_t last, const host::Colour& colour, host::Real scale);
  // A filled, unstroked path on top inside the container.
  host::ErrorCode NewGlyphPath(host::ArtHandle container, const host::Colour& colour,
                               host::ArtHandle& path);
};

}  // namespace art
