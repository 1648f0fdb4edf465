// The human-readable text of the DataBar symbol object: text frames for the item line, the
// Expanded field strings and the 2D lines, and the item line as outline glyphs. Every piece goes
// on top inside the symbol's group and moves cursorY above itself.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "art/text_line.h"
#include "art/text_path_art.h"
#include "databar/gs1_databar_symbol.h"
#include "host/suite_pointers.h"

namespace databar {

namespace {

constexpr size_t kItemNumberDigits = 13;
constexpr size_t kItemLineLength = 18;  // "(01)", 13 digits, the check digit
// The art above the item line or the field strings starts this much below the top of their
// frames.
constexpr double kTextLineFixUp = 0.11;
// Between the top of the 2D component and its lowest text line.
constexpr double kCompositeTextGap = 2.1;
constexpr char kLineBreak = '$';

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

}  // namespace

void CGS1DataBarSymbol::DrawItemText(host::ArtHandle group) {
  if (!hasRecord() || !request_.showText)
    return;
  const ItemLine line = FormatItemLine(request_.primaryText, request_.checkDigit);
  if (line.view().empty())
    return;
  geometry_.cursorY += art::MakeTextLine(group, host::FixedFromReal(geometry_.textLeft),
                                         host::FixedFromReal(geometry_.cursorY), line.view());
  geometry_.cursorY = Raised(geometry_.cursorY, -kTextLineFixUp);
}

void CGS1DataBarSymbol::DrawElementStrings(host::ArtHandle group) {
  if (!hasRecord() || !request_.showText)
    return;
  for (int i = kFieldStringCount - 1; i >= 0; --i) {
    const std::string_view field = request_.fieldStrings[i];
    if (field.empty())
      continue;
    geometry_.cursorY += art::MakeTextLine(group, host::FixedFromReal(geometry_.textLeft),
                                           host::FixedFromReal(geometry_.cursorY), field);
  }
  geometry_.cursorY = Raised(geometry_.cursorY, -kTextLineFixUp);
}

// The lines are made from the last to the first, so that the text reads top to bottom; '$' at
// either end or twice in a row makes no empty line.
void CGS1DataBarSymbol::DrawCompositeText(host::ArtHandle group) {
  if (!hasRecord() || !request_.showCompositeText)
    return;
  geometry_.cursorY = Raised(geometry_.cursorY, kCompositeTextGap);
  const auto makeLine = [&](std::string_view line) {
    if (line.empty())
      return;
    geometry_.cursorY += art::MakeTextLine(group, host::FixedFromReal(geometry_.textLeft),
                                           host::FixedFromReal(geometry_.cursorY), line);
  };
  const std::string_view text = request_.compositeText;
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
host::ErrorCode CGS1DataBarSymbol::DrawItemOutlines(art::CTextPathGS1DataBarArt target) {
  if (!hasRecord() || !request_.showText)
    return host::kNoError;
  const host::Fixed advance = host::FixedFromReal(geometry_.textAdvance);
  host::Fixed x = host::FixedFromReal(geometry_.textLeft);
  const host::Fixed y = host::FixedFromReal(geometry_.cursorY);
  const ItemLine line = FormatItemLine(request_.primaryText, request_.checkDigit);
  for (const char character : line.view()) {
    if (const host::ErrorCode error = target.DrawGlyph(x, y, target.GlyphForHriChar(character),
                                                       geometry_.barColor, geometry_.textUnit)) {
      return error;
    }
    x = host::sFixedMath->FixedAdd(x, advance);
  }
  geometry_.cursorY += geometry_.textHeight + geometry_.textGap;
  return host::kNoError;
}

}  // namespace databar
