// The bar art of the DataBar symbol object: one rectangle per bar, row after row upward from
// cursorY. Positions are host fixed point; each element's length is fixed(X) multiplied by its
// width through the host's fixed math, so the sum of the truncated element lengths, not
// modules x X, decides where a bar ends, and adjacent bars share their edge coordinates exactly.
#include "art/gs1_databar_art.h"
#include "databar/gs1_databar_symbol.h"
#include "host/suite_pointers.h"

namespace databar {

void CGS1DataBarSymbol::DrawRow(art::CGS1DataBarArt& target, const ElementWidth* widths,
                                int32_t count, host::Real height) {
  const host::FixedMathSuite& math = *host::sFixedMath;
  const host::Fixed moduleWidth = host::FixedFromReal(request_.dimensions.moduleWidth);
  const host::Fixed bottom = host::FixedFromReal(geometry_.cursorY);
  const host::Fixed top = math.FixedAdd(bottom, host::FixedFromReal(height));
  host::Fixed x = host::FixedFromReal(geometry_.left);
  for (int32_t i = 0; i < count; ++i) {
    const host::Fixed next =
        math.FixedAdd(x, math.FixedMul(moduleWidth, host::FixedFromInt(widths[i])));
    if (i % 2 == 1)
      target.AddRectangle(x, bottom, next, top, geometry_.barColor);
    x = next;
  }
  geometry_.cursorY = math.FixedToReal(top);
}

void CGS1DataBarSymbol::DrawBackground(art::CGS1DataBarArt target) {
  if (!hasRecord())
    return;
  const host::FixedMathSuite& math = *host::sFixedMath;
  const host::Fixed bottom = host::FixedFromReal(geometry_.cursorY);
  target.AddRectangle(geometry_.originX, bottom,
                      math.FixedAdd(geometry_.originX, host::FixedFromReal(geometry_.width)),
                      math.FixedAdd(bottom, host::FixedFromReal(geometry_.height)),
                      host::GreyColour(0.0f));
}

void CGS1DataBarSymbol::DrawSymbol(art::CGS1DataBarArt target) {
  if (!hasRecord())
    return;
  switch (request_.layout) {
    case DataBarLayout::kStacked:
      DrawStacked(target);
      break;
    case DataBarLayout::kStackedOmni:
      DrawStackedOmni(target);
      break;
    case DataBarLayout::kExpanded:
      DrawExpanded(target);
      break;
    case DataBarLayout::kLinear:
    case DataBarLayout::kLimitedLinear:
      DrawLinear(target);
      break;
  }
}

void CGS1DataBarSymbol::DrawLinear(art::CGS1DataBarArt target) {
  const auto& s = record<LinearSymbol>();
  DrawRow(target, s.row, s.rowLength, request_.dimensions.rowHeight);
  DrawComposite(target, s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength, s.ccRowCount);
}

void CGS1DataBarSymbol::DrawStacked(art::CGS1DataBarArt target) {
  const auto& s = record<StackedSymbol>();
  const SymbolDimensions& d = request_.dimensions;
  DrawRow(target, s.bottomRow, s.bottomRowLength, d.secondRowHeight);
  DrawRow(target, s.rowSeparator, s.rowSeparatorLength, d.separatorHeight);
  DrawRow(target, s.topRow, s.topRowLength, d.rowHeight);
  DrawComposite(target, s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength, s.ccRowCount);
}

void CGS1DataBarSymbol::DrawStackedOmni(art::CGS1DataBarArt target) {
  const auto& s = record<StackedOmniSymbol>();
  const SymbolDimensions& d = request_.dimensions;
  DrawRow(target, s.bottomRow, s.bottomRowLength, d.secondRowHeight);
  for (int i = 0; i < 3; ++i) {
    DrawRow(target, s.rowSeparators[i], s.rowSeparatorLengths[i], d.separatorHeight);
  }
  DrawRow(target, s.topRow, s.topRowLength, d.rowHeight);
  DrawComposite(target, s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength, s.ccRowCount);
}

void CGS1DataBarSymbol::DrawExpanded(art::CGS1DataBarArt target) {
  const auto& s = record<ExpandedSymbol>();
  const SymbolDimensions& d = request_.dimensions;
  for (int32_t r = 0; r < s.rowCount; ++r) {
    if (r > 0) {
      for (int32_t k = 3 * (r - 1); k < 3 * r; ++k) {
        DrawRow(target, s.separators[k], s.separatorLengths[k], d.separatorHeight);
      }
    }
    DrawRow(target, s.rows[r], s.rowLengths[r], d.rowHeight);
  }
  const int32_t ccSeparator = 3 * (s.rowCount - 1);
  DrawComposite(target, s.separators[ccSeparator], s.separatorLengths[ccSeparator], s.ccRows,
                s.ccRowLength, s.ccRowCount);
}

void CGS1DataBarSymbol::DrawComposite(art::CGS1DataBarArt target, const ElementWidth* separator,
                                      int32_t separatorLength, const CompositeRowBuffer& ccRows,
                                      int32_t ccRowLength, int32_t ccRowCount) {
  if (ccRowCount <= 0)
    return;
  const SymbolDimensions& d = request_.dimensions;
  DrawRow(target, separator, separatorLength, d.ccSeparatorHeight);
  for (int32_t r = 0; r < ccRowCount; ++r)
    DrawRow(target, ccRows[r], ccRowLength, d.ccRowHeight);
}

}  // namespace databar
