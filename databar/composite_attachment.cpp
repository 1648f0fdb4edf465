#include "databar/composite_attachment.h"

#include <algorithm>

#include "composite/composite_component.h"
#include "core/separator.h"
#include "databar/limited_encoder.h"

namespace databar {

namespace {

// Data columns of the component over each linear form, and the elements of its rows.
constexpr int kOmniColumns = 4;  // also over Expanded
constexpr int kStackedColumns = 2;
constexpr int kLimitedColumns = 3;
constexpr int32_t kOmniComponentRowLength = 53;
constexpr int32_t kStackedComponentRowLength = 31;
constexpr int32_t kLimitedCcARowLength = 39;  // no left row address pattern
constexpr int32_t kLimitedCcBRowLength = 45;
// Three-column components of up to this many rows are CC-A.
constexpr int32_t kLimitedCcARows = 8;

// The 4-column component starts 5 modules left of the Omnidirectional row; the Limited row
// moves 10 modules right under a CC-B; the stacked rows gain 7 light modules at their right end
// to be as wide as a 2-column component.
constexpr ElementWidth kOmniShift = 5;
constexpr ElementWidth kLimitedCcBShift = 10;
constexpr ElementWidth kStackedRightPadding = 7;

constexpr int kHalfRow = kInnerWidthCount / 2;  // inner widths of the upper stacked row

// Builds the component of `columns` columns and stores its rows in the record in drawing order:
// the row next to the linear part first. A component that cannot be built has no rows. Returns
// the component's code.
template <typename Record>
int32_t StoreComponent(int columns, const DataBarSource& source, Record& symbol) {
  CompositeRowBuffer topFirst;
  int rowCount = 0;
  const int32_t result =
      composite::BuildComposite(columns, source.compositeText, topFirst, rowCount);
  const int32_t n = std::clamp<int32_t>(rowCount, 0, kCompositeRowCount);
  for (int32_t i = 0; i < n; ++i)
    std::copy(std::begin(topFirst[n - 1 - i]), std::end(topFirst[n - 1 - i]), symbol.ccRows[i]);
  symbol.ccRowCount = n;
  return result;
}

// Lengthens a row's trailing light element. A row that ends with a bar gets the light element
// stored after it but not counted, so its nominal width stays that of its bars.
void LengthenTrailingSpace(ElementWidth* row, int32_t count, ElementWidth modules) {
  if (count % 2 == 1) {
    row[count - 1] = static_cast<ElementWidth>(row[count - 1] + modules);
  } else {
    row[count] = modules;
  }
}

// The lower row gains a counted light element, the upper row a longer trailing one.
template <typename Record>
void PadStackedRows(Record& symbol) {
  symbol.bottomRow[symbol.bottomRowLength++] = kStackedRightPadding;
  LengthenTrailingSpace(symbol.topRow, symbol.topRowLength, kStackedRightPadding);
}

}  // namespace

int CompositeColumns(int32_t type) {
  switch (LayoutOf(type)) {
    case DataBarLayout::kStacked:
    case DataBarLayout::kStackedOmni:
      return kStackedColumns;
    case DataBarLayout::kLimitedLinear:
      return kLimitedColumns;
    case DataBarLayout::kLinear:
    case DataBarLayout::kExpanded:
      break;
  }
  return kOmniColumns;
}

int32_t AttachOmniComposite(const DataBarSource& source, const InnerWidths& inner,
                            LinearSymbol& symbol) {
  const int32_t result = StoreComponent(kOmniColumns, source, symbol);
  symbol.ccRowLength = kOmniComponentRowLength;
  symbol.row[0] = static_cast<ElementWidth>(symbol.row[0] + kOmniShift);
  symbol.ccSeparatorLength = BuildSeparator(inner.data(), symbol.ccSeparator, kInnerWidthCount, 1);
  symbol.ccSeparator[0] = static_cast<ElementWidth>(symbol.ccSeparator[0] + kOmniShift);
  return result;
}

int32_t AttachStackedComposite(const DataBarSource& source, const InnerWidths& inner,
                               StackedSymbol& symbol) {
  const int32_t result = StoreComponent(kStackedColumns, source, symbol);
  symbol.ccRowLength = kStackedComponentRowLength;
  PadStackedRows(symbol);
  LengthenTrailingSpace(symbol.rowSeparator, symbol.rowSeparatorLength, kStackedRightPadding);
  symbol.ccSeparatorLength = BuildSeparator(inner.data(), symbol.ccSeparator, kHalfRow, 1);
  LengthenTrailingSpace(symbol.ccSeparator, symbol.ccSeparatorLength, kStackedRightPadding);
  return result;
}

int32_t AttachStackedOmniComposite(const DataBarSource& source, const InnerWidths&,
                                   StackedOmniSymbol& symbol) {
  const int32_t result = StoreComponent(kStackedColumns, source, symbol);
  symbol.ccRowLength = kStackedComponentRowLength;
  PadStackedRows(symbol);
  for (int i = 0; i < 3; ++i) {
    LengthenTrailingSpace(symbol.rowSeparators[i], symbol.rowSeparatorLengths[i],
                          kStackedRightPadding);
  }
  // The separator under the component is the one over the upper row.
  std::copy(std::begin(symbol.rowSeparators[2]), std::end(symbol.rowSeparators[2]),
            symbol.ccSeparator);
  symbol.ccSeparatorLength = symbol.rowSeparatorLengths[2];
  return result;
}

int32_t AttachLimitedComposite(const DataBarSource& source, const InnerWidths& inner,
                               LinearSymbol& symbol) {
  const int32_t result = StoreComponent(kLimitedColumns, source, symbol);
  const bool ccB = symbol.ccRowCount > kLimitedCcARows;
  symbol.ccRowLength = ccB ? kLimitedCcBRowLength : kLimitedCcARowLength;
  symbol.ccSeparatorLength = BuildLimitedSeparator(inner, symbol.ccSeparator);
  if (ccB) {
    symbol.row[0] = static_cast<ElementWidth>(symbol.row[0] + kLimitedCcBShift);
    symbol.ccSeparator[0] = static_cast<ElementWidth>(symbol.ccSeparator[0] + kLimitedCcBShift);
  }
  return result;
}

}  // namespace databar
