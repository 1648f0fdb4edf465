// What draws a GS1 DataBar symbol: free functions over the encoded symbol object, which they
// never change. The bars are one rectangle per bar, band after band upward; the human-readable
// text is text frames (the item line, the Expanded field strings, the 2D lines) or the item line
// as outline glyphs. Every piece goes on top inside the symbol's group.
//
// art/'s main header. Beside it: the art target and its rectangles (gs1_databar_art.h,
// rectangle.h), text frames (text_line.h), the outline-glyph art target (text_path_art.h) and
// the glyph table with its directory (glyph_table.h, glyph_directory.h).
//
// cursorY is where the next band goes, in points: the caller starts it at the symbol's
// geometry().bottom, and each band, text frame or text band moves it up above itself. Nothing is
// drawn without a record.
#pragma once

#include <cstdint>

#include "art/gs1_databar_art.h"
#include "art/text_path_art.h"
#include "databar/gs1_databar_symbol.h"
#include "host/error.h"
#include "host/handles.h"

namespace art {

// The bars: positions are host fixed point; each element's length is fixed(X) multiplied by its
// width through the host's fixed math, so the sum of the truncated element lengths, not
// modules x X, decides where a bar ends, and adjacent bars share their edge coordinates exactly.
// A bar width reduction moves both edges of every bar inward by half of it, in fixed point, so
// that every element keeps its centre. Each returns 0, or the code of the first host call that
// failed: the drawing stops there, what was drawn before it stays, and no unfinished rectangle is
// left.

// The white rectangle under the whole symbol, from (originX, cursorY); cursorY is not moved.
host::ErrorCode DrawBackground(const databar::CGS1DataBarSymbol& symbol, CGS1DataBarArt target,
                               host::Real cursorY);
// Every band of the symbol's record, from the bottom up.
host::ErrorCode DrawSymbol(const databar::CGS1DataBarSymbol& symbol, CGS1DataBarArt target,
                           host::Real& cursorY);
// A separator and the rows of a 2D component above it; nothing when ccRowCount is 0 or less.
host::ErrorCode DrawComposite(const databar::CGS1DataBarSymbol& symbol, CGS1DataBarArt target,
                              host::Real& cursorY, const databar::ElementWidth* separator,
                              int32_t separatorLength, const databar::CompositeRowBuffer& ccRows,
                              int32_t ccRowLength, int32_t ccRowCount);

// The text frames are "MS-Gothic" 8 pt point text, each moving cursorY up by its measured
// height; they throw ATE::Exception with the host's code when a frame cannot be made.
// The "(01)" item line with its check digit as a text frame, when the text is shown.
void DrawItemText(const databar::CGS1DataBarSymbol& symbol, host::ArtHandle group,
                  host::Real& cursorY);
// The Expanded field strings as text frames, the last one lowest, when the text is shown.
void DrawElementStrings(const databar::CGS1DataBarSymbol& symbol, host::ArtHandle group,
                        host::Real& cursorY);
// The 2D text's lines ('$' breaks them) as text frames above the component, when the 2D text is
// shown.
void DrawCompositeText(const databar::CGS1DataBarSymbol& symbol, host::ArtHandle group,
                       host::Real& cursorY);
// The item line as outline glyphs in the text band under the bars, when the text is shown.
// Returns 0 or the code of the first host call that failed; the glyphs before it stay.
host::ErrorCode DrawItemOutlines(const databar::CGS1DataBarSymbol& symbol,
                                 CTextPathGS1DataBarArt target, host::Real& cursorY);

}  // namespace art
