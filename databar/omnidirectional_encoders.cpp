#include "databar/omnidirectional_encoders.h"

#include <algorithm>

#include "databar/check_digit.h"
#include "databar/composite_attachment.h"
#include "databar/encode_error.h"
#include "databar/item_number.h"
#include "databar/omni_characters.h"
#include "databar/separator.h"

namespace databar {

namespace {

constexpr int kHalfRow = kInnerWidthCount / 2;  // inner widths of one stacked row

// Validates the source and builds the inner widths and the check digit. False on bad input.
bool EncodeInner(const DataBarSource& source, InnerWidths& inner, int32_t& checkDigit) {
  ItemNumber item;
  if (!BeginLinearEncoding(source, item))
    return false;
  checkDigit = ComputeCheckDigit(item.digits);
  EncodeOmniCharacters(item.value, inner, source.hasComposite);
  return true;
}

// Guard space 1, guard bar 1, the widths, guard space 1, guard bar 1. Returns the count.
int32_t WriteGuardedRow(const ElementWidth* first, const ElementWidth* last, ElementWidth* row) {
  row[0] = 1;
  row[1] = 1;
  ElementWidth* end = std::copy(first, last, row + 2);
  end[0] = 1;
  end[1] = 1;
  return static_cast<int32_t>(end + 2 - row);
}

// The upper stacked row, and the lower one, which begins with a bar (a zero-width space first).
template <typename Record>
void WriteStackedRows(const InnerWidths& inner, Record& symbol) {
  symbol.topRowLength = WriteGuardedRow(inner.data(), inner.data() + kHalfRow, symbol.topRow);
  symbol.bottomRow[0] = 0;
  symbol.bottomRowLength =
      1 + WriteGuardedRow(inner.data() + kHalfRow, inner.data() + kInnerWidthCount,
                          symbol.bottomRow + 1);
}

// The middle separator of Stacked Omnidirectional: a 5-module space, 41 alternating single
// modules from bar to bar, a 4-module space.
int32_t WriteMiddleSeparator(ElementWidth* out) {
  constexpr int32_t kAlternating = 41;
  out[0] = 5;
  std::fill(out + 1, out + 1 + kAlternating, 1);
  out[kAlternating + 1] = 4;
  return kAlternating + 2;
}

}  // namespace

int32_t EncodeOmnidirectional(const DataBarSource& source, LinearSymbol& symbol) {
  InnerWidths inner;
  if (!EncodeInner(source, inner, symbol.checkDigit))
    return EncodeError;
  symbol.rowLength = WriteGuardedRow(inner.data(), inner.data() + kInnerWidthCount, symbol.row);
  symbol.ccRowCount = 0;
  if (source.hasComposite != 0)
    return AttachOmniComposite(source, inner, symbol);
  return EncodeError;
}

int32_t EncodeStacked(const DataBarSource& source, StackedSymbol& symbol) {
  InnerWidths inner;
  if (!EncodeInner(source, inner, symbol.checkDigit))
    return EncodeError;
  WriteStackedRows(inner, symbol);
  symbol.rowSeparatorLength = BuildStackedSeparator(inner, symbol.rowSeparator);
  symbol.ccRowCount = 0;
  if (source.hasComposite != 0)
    return AttachStackedComposite(source, inner, symbol);
  return EncodeError;
}

int32_t EncodeStackedOmnidirectional(const DataBarSource& source, StackedOmniSymbol& symbol) {
  InnerWidths inner;
  if (!EncodeInner(source, inner, symbol.checkDigit))
    return EncodeError;
  WriteStackedRows(inner, symbol);
  symbol.rowSeparatorLengths[0] =
      BuildSeparator(inner.data() + kHalfRow, symbol.rowSeparators[0], kHalfRow, 0);
  symbol.rowSeparatorLengths[1] = WriteMiddleSeparator(symbol.rowSeparators[1]);
  symbol.rowSeparatorLengths[2] =
      BuildSeparator(inner.data(), symbol.rowSeparators[2], kHalfRow, 1);
  symbol.ccRowCount = 0;
  if (source.hasComposite != 0)
    return AttachStackedOmniComposite(source, inner, symbol);
  return EncodeError;
}

}  // namespace databar
