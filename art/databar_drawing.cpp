#include "art/databar_drawing.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "art/text_line.h"
#include "host/suite_pointers.h"

namespace art {

namespace {

using databar::Band;
using databar::CGS1DataBarSymbol;

constexpr size_t kItemNumberDigits = 13;
constexpr size_t kItemLineLength = 18;  // "(01)", 13 digits, the check digit
// The art above the item line or the field strings starts this much below the top of their
// frames.
constexpr double kTextLineFixUp = 0.11;
// Between the top of the 2D component and its lowest text line.
constexpr double kCompositeTextGap = 2.1;
constexpr char kLineBreak = '$';

// One band from the left edge, bars only; moves cursorY to its top.
host::ErrorCode DrawBand(const CGS1DataBarSymbol& symbol, CGS1DataBarArt& target,
                         host::Real& cursorY, const Band& band) {
  const host::FixedMathSuite& math = *host::sFixedMath;
  const databar::DataBarRequest& request = symbol.request();
  const databar::SymbolGeometry& geometry = symbol.geometry();
  const host::Fixed moduleWidth = host::FixedFromReal(request.dimensions.moduleWidth);
  const host::Fixed bottom = host::FixedFromReal(cursorY);
  const host::Fixed top = math.FixedAdd(bottom, host::FixedFromReal(band.height));
  const host::Fixed inset = host::FixedFromReal(request.barWidthReduction) / 2;
  host::Fixed x = host::FixedFromReal(geometry.left);
  for (int32_t i = 0; i < band.count; ++i) {
    const host::Fixed next =
        math.FixedAdd(x, math.FixedMul(moduleWidth, host::FixedFromInt(band.widths[i])));
    if (i % 2 == 1) {
      if (const host::ErrorCode error =
              target.AddRectangle(math.FixedAdd(x, inset), bottom, math.FixedAdd(next, -inset), top,
                                  geometry.barColor)) {
        return error;
      }
    }
    x = next;
  }
  cursorY = math.FixedToReal(top);
  return host::kNoError;
}

host::ErrorCode DrawBands(const CGS1DataBarSymbol& symbol, CGS1DataBarArt& target,
                          host::Real& cursorY, const databar::BandList& list) {
  for (const Band& band : list.bands()) {
    if (const host::ErrorCode error = DrawBand(symbol, target, cursorY, band))
      return error;
  }
  return host::kNoError;
}

struct ItemLine {
  char text[kItemLineLength + 1] = {};

  std::string_view view() const { return text; }
};

// "(01)", the item number padded on the left with '0' to 13 digits, and its check digit.
ItemLine FormatItemLine(const char* itemNumber, int32_t checkDigit) {
  constexpr std::string_view kPrefix = "(01)";
  const size_t length = strnlen(itemNumber, kItemNumberDigits);
  ItemLine line;
  char* out = std::copy(kPrefix.begin(), kPrefix.end(), line.text);
  out = std::fill_n(out, kItemNumberDigits - length, '0');
  out = std::copy_n(itemNumber, length, out);
  *out = static_cast<char>('0' + checkDigit);
  return line;
}

host::Real Raised(host::Real y, double by) {
  return static_cast<host::Real>(y + by);
}

// One text frame at (textLeft, cursorY); cursorY moves above it.
void MakeLine(const CGS1DataBarSymbol& symbol, host::ArtHandle group, host::Real& cursorY,
              std::string_view line) {
  cursorY += MakeTextLine(group, host::FixedFromReal(symbol.geometry().textLeft),
                          host::FixedFromReal(cursorY), line);
}

}  // namespace

host::ErrorCode DrawBackground(const CGS1DataBarSymbol& symbol, CGS1DataBarArt target,
                               host::Real cursorY) {
  if (!symbol.hasRecord())
    return host::kNoError;
  const host::FixedMathSuite& math = *host::sFixedMath;
  const databar::SymbolGeometry& geometry = symbol.geometry();
  const host::Fixed bottom = host::FixedFromReal(cursorY);
  return target.AddRectangle(geometry.originX, bottom,
                             math.FixedAdd(geometry.originX, host::FixedFromReal(geometry.width)),
                             math.FixedAdd(bottom, host::FixedFromReal(geometry.height)),
                             host::GreyColour(0.0f));
}

host::ErrorCode DrawSymbol(const CGS1DataBarSymbol& symbol, CGS1DataBarArt target,
                           host::Real& cursorY) {
  return DrawBands(symbol, target, cursorY, symbol.Bands());
}

host::ErrorCode DrawComposite(const CGS1DataBarSymbol& symbol, CGS1DataBarArt target,
                              host::Real& cursorY, const databar::ElementWidth* separator,
                              int32_t separatorLength, const databar::CompositeRowBuffer& ccRows,
                              int32_t ccRowLength, int32_t ccRowCount) {
  databar::BandList list;
  list.AddComposite(separator, separatorLength, ccRows, ccRowLength, ccRowCount,
                    symbol.request().dimensions);
  return DrawBands(symbol, target, cursorY, list);
}

void DrawItemText(const CGS1DataBarSymbol& symbol, host::ArtHandle group, host::Real& cursorY) {
  if (!symbol.hasRecord() || !symbol.request().showText)
    return;
  const ItemLine line = FormatItemLine(symbol.request().primaryText, symbol.request().checkDigit);
  if (line.view().empty())
    return;
  MakeLine(symbol, group, cursorY, line.view());
  cursorY = Raised(cursorY, -kTextLineFixUp);
}

void DrawElementStrings(const CGS1DataBarSymbol& symbol, host::ArtHandle group,
                        host::Real& cursorY) {
  if (!symbol.hasRecord() || !symbol.request().showText)
    return;
  for (int i = databar::kFieldStringCount - 1; i >= 0; --i) {
    const std::string_view field = symbol.request().fieldStrings[i];
    if (!field.empty())
      MakeLine(symbol, group, cursorY, field);
  }
  cursorY = Raised(cursorY, -kTextLineFixUp);
}

// The lines are made from the last to the first, so that the text reads top to bottom; '$' at
// either end or twice in a row makes no empty line.
void DrawCompositeText(const CGS1DataBarSymbol& symbol, host::ArtHandle group,
                       host::Real& cursorY) {
  if (!symbol.hasRecord() || !symbol.request().showCompositeText)
    return;
  cursorY = Raised(cursorY, kCompositeTextGap);
  const auto makeLine = [&](std::string_view line) {
    if (!line.empty())
      MakeLine(symbol, group, cursorY, line);
  };
  const std::string_view text = symbol.request().compositeText;
  size_t end = text.size();
  for (size_t i = text.size(); i-- > 0;) {
    if (text[i] == kLineBreak) {
      makeLine(text.substr(i + 1, end - i - 1));
      end = i;
    }
  }
  makeLine(text.substr(0, end));
}

// The glyphs stand centred in 18 cells of textAdvance on the baseline cursorY; textLeft is the
// centre of the first cell. The bars then start above the text band.
host::ErrorCode DrawItemOutlines(const CGS1DataBarSymbol& symbol, CTextPathGS1DataBarArt target,
                                 host::Real& cursorY) {
  if (!symbol.hasRecord() || !symbol.request().showText)
    return host::kNoError;
  const databar::SymbolGeometry& geometry = symbol.geometry();
  const host::Fixed advance = host::FixedFromReal(geometry.textAdvance);
  host::Fixed x = host::FixedFromReal(geometry.textLeft);
  const host::Fixed y = host::FixedFromReal(cursorY);
  const ItemLine line = FormatItemLine(symbol.request().primaryText, symbol.request().checkDigit);
  for (const char character : line.view()) {
    if (const host::ErrorCode error = target.DrawGlyph(x, y, target.GlyphForHriChar(character),
                                                       geometry.barColor, geometry.textUnit)) {
      return error;
    }
    x = host::sFixedMath->FixedAdd(x, advance);
  }
  cursorY += geometry.textHeight + geometry.textGap;
  return host::kNoError;
}

}  // namespace art
