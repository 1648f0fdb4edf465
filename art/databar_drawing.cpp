// The bar art of the DataBar symbol object: one rectangle per bar, row after row upward from
// cursorY. Positions are host fixed point; each element's length is fixed(X) multiplied by its
// width through the host's fixed math, so the sum of the truncated element lengths, not
// modules x X, decides where a bar ends, and adjacent bars share their edge coordinates exactly.
// A bar width reduction moves both edges of every bar inward by half of it, in fixed point, so
// that every element keeps its centre.
// The first host call that fails ends the drawing; its code is passed up.
#include "art/gs1_databar_art.h"
#include "databar/gs1_databar_symbol.h"
#include "host/suite_pointers.h"

namespace databar {

host::ErrorCode CGS1DataBarSymbol::DrawRow(art::CGS1DataBarArt& target, const ElementWidth* widths,
                                           int32_t count, host::Real height) {
  const host::FixedMathSuite& math = *host::sFixedMath;
  const host::Fixed moduleWidth = host::FixedFromReal(request_.dimensions.moduleWidth);
  const host::Fixed bottom = host::FixedFromReal(geometry_.cursorY);
  const host::Fixed top = math.FixedAdd(bottom, host::FixedFromReal(height));
  const host::Fixed inset = host::FixedFromReal(request_.barWidthReduction) / 2;
  host::Fixed x = host::FixedFromReal(geometry_.left);
  for (int32_t i = 0; i < count; ++i) {
    const host::Fixed next =
        math.FixedAdd(x, math.FixedMul(moduleWidth, host::FixedFromInt(widths[i])));
    if (i % 2 == 1) {
      if (const host::ErrorCode error =
              target.AddRectangle(math.FixedAdd(x, inset), bottom, math.FixedAdd(next, -inset), top,
                                  geometry_.barColor)) {
        return error;
      }
    }
    x = next;
  }
  geometry_.cursorY = math.FixedToReal(top);
  return host::kNoError;
}

host::ErrorCode CGS1DataBarSymbol::DrawBackground(art::CGS1DataBarArt target) {
  if (!hasRecord())
    return host::kNoError;
  const host::FixedMathSuite& math = *host::sFixedMath;
  const host::Fixed bottom = host::FixedFromReal(geometry_.cursorY);
  return target.AddRectangle(geometry_.originX, bottom,
                             math.FixedAdd(geometry_.originX, host::FixedFromReal(geometry_.width)),
                             math.FixedAdd(bottom, host::FixedFromReal(geometry_.height)),
                             host::GreyColour(0.0f));
}

host::ErrorCode CGS1DataBarSymbol::DrawSymbol(art::CGS1DataBarArt target) {
  if (!hasRecord())
    return host::kNoError;
  switch (request_.layout) {
    case DataBarLayout::kStacked:
      return DrawStacked(target);
    case DataBarLayout::kStackedOmni:
      return DrawStackedOmni(target);
    case DataBarLayout::kExpanded:
      return DrawExpanded(target);
    case DataBarLayout::kLinear:
    case DataBarLayout::kLimitedLinear:
      break;
  }
  return DrawLinear(target);
}

host::ErrorCode CGS1DataBarSymbol::DrawLinear(art::CGS1DataBarArt target) {
  const auto& s = record<LinearSymbol>();
  if (const host::ErrorCode error =
          DrawRow(target, s.row, s.rowLength, request_.dimensions.rowHeight))
    return error;
  return DrawComposite(target, s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength,
                       s.ccRowCount);
}

host::ErrorCode CGS1DataBarSymbol::DrawStacked(art::CGS1DataBarArt target) {
  const auto& s = record<StackedSymbol>();
  const SymbolDimensions& d = request_.dimensions;
  host::ErrorCode error = DrawRow(target, s.bottomRow, s.bottomRowLength, d.secondRowHeight);
  if (error == host::kNoError)
    error = DrawRow(target, s.rowSeparator, s.rowSeparatorLength, d.separatorHeight);
  if (error == host::kNoError)
    error = DrawRow(target, s.topRow, s.topRowLength, d.rowHeight);
  if (error == host::kNoError) {
    error = DrawComposite(target, s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength,
                          s.ccRowCount);
  }
  return error;
}

host::ErrorCode CGS1DataBarSymbol::DrawStackedOmni(art::CGS1DataBarArt target) {
  const auto& s = record<StackedOmniSymbol>();
  const SymbolDimensions& d = request_.dimensions;
  host::ErrorCode error = DrawRow(target, s.bottomRow, s.bottomRowLength, d.secondRowHeight);
  for (int i = 0; i < 3 && error == host::kNoError; ++i) {
    error = DrawRow(target, s.rowSeparators[i], s.rowSeparatorLengths[i], d.separatorHeight);
  }
  if (error == host::kNoError)
    error = DrawRow(target, s.topRow, s.topRowLength, d.rowHeight);
  if (error == host::kNoError) {
    error = DrawComposite(target, s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength,
                          s.ccRowCount);
  }
  return error;
}

host::ErrorCode CGS1DataBarSymbol::DrawExpanded(art::CGS1DataBarArt target) {
  const auto& s = record<ExpandedSymbol>();
  const SymbolDimensions& d = request_.dimensions;
  for (int32_t r = 0; r < s.rowCount; ++r) {
    if (r > 0) {
      for (int32_t k = 3 * (r - 1); k < 3 * r; ++k) {
        if (const host::ErrorCode error =
                DrawRow(target, s.separators[k], s.separatorLengths[k], d.separatorHeight)) {
          return error;
        }
      }
    }
    if (const host::ErrorCode error = DrawRow(target, s.rows[r], s.rowLengths[r], d.rowHeight))
      return error;
  }
  const int32_t ccSeparator = 3 * (s.rowCount - 1);
  return DrawComposite(target, s.separators[ccSeparator], s.separatorLengths[ccSeparator], s.ccRows,
                       s.ccRowLength, s.ccRowCount);
}

host::ErrorCode CGS1DataBarSymbol::DrawComposite(art::CGS1DataBarArt target,
                                                 const ElementWidth* separator,
                                                 int32_t separatorLength,
                                                 const CompositeRowBuffer& ccRows,
                                                 int32_t ccRowLength, int32_t ccRowCount) {
  if (ccRowCount <= 0)
    return host::kNoError;
  const SymbolDimensions& d = request_.dimensions;
  host::ErrorCode error = DrawRow(target, separator, separatorLength, d.ccSeparatorHeight);
  for (int32_t r = 0; r < ccRowCount && error == host::kNoError; ++r)
    error = DrawRow(target, ccRows[r], ccRowLength, d.ccRowHeight);
  return error;
}

}  // namespace databar
