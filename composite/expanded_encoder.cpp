#include "composite/expanded_encoder.h"

#include "composite/composite_component.h"
#include "composite/expanded_characters.h"
#include "composite/expanded_rows.h"
#include "core/encode_error.h"

namespace composite {
namespace {

constexpr int kMinSegmentsPerRow = 2;
constexpr int kMaxSegmentsPerRow = 22;
constexpr int kMinSegmentsWithComposite = 4;
constexpr int kCompositeColumns = 4;
constexpr int kCompositeRowModules = 101;
constexpr int kCompositeRowLength = 53;

bool IsEmpty(const char* text) {
  return text == nullptr || text[0] == '\0';
}

bool IsValidRequest(const databar::DataBarSource& source) {
  const int segments = source.segmentsPerRow;
  if (IsEmpty(source.linearText) || segments < kMinSegmentsPerRow ||
      segments > kMaxSegmentsPerRow || segments % 2 != 0) {
    return false;
  }
  return source.hasComposite == 0 ||
         (segments >= kMinSegmentsWithComposite && !IsEmpty(source.compositeText));
}

// The 101-module rows of the component span the symbol's width: one more light module on the
// left puts the left row address pattern at module 2, the rest is light on the right. Rows are
// stored lowest first.
void StoreCompositeRows(const databar::CompositeRowBuffer& rows, int rowCount, int symbolWidth,
                        databar::ExpandedSymbol& symbol) {
  const int rightPadding = symbolWidth - kCompositeRowModules - 1;
  for (int r = 0; r < rowCount; ++r) {
    databar::ElementWidth* row = symbol.ccRows[r];
    for (int i = 0; i < databar::kCompositeRowCapacity; ++i)
      row[i] = rows[rowCount - 1 - r][i];
    ++row[0];
    WidenLightElement(row[kCompositeRowLength - 1], rightPadding);
  }
  symbol.ccRowLength = kCompositeRowLength;
  symbol.ccRowCount = rowCount;
}

// The encoder behind EncodeExpanded; returns its code.
int32_t BuildExpanded(const databar::DataBarSource& source, databar::ExpandedSymbol& symbol) {
  if (!IsValidRequest(source))
    return databar::kInvalidData;
  const bool hasComposite = source.hasComposite != 0;
  ExpandedPairs pairs{};
  int symbolCharacters = 0;
  if (const int32_t error = BuildExpandedCharacters(source.linearText, source.segmentsPerRow,
                                                    hasComposite, pairs, symbolCharacters)) {
    return error;
  }

  databar::CompositeRowBuffer compositeRows;  // the first compositeRowCount rows are written
  int compositeRowCount = 0;
  int32_t compositeError = databar::kEncodeOk;
  if (hasComposite) {
    compositeError =
        BuildComposite(kCompositeColumns, source.compositeText, compositeRows, compositeRowCount);
  }

  LayOutExpandedRows(pairs, symbolCharacters, source.segmentsPerRow, hasComposite, symbol);
  StoreCompositeRows(compositeRows, compositeRowCount, symbol.symbolWidth, symbol);
  return compositeError;
}

}  // namespace

int32_t EncodeExpanded(const databar::DataBarSource& source, databar::ExpandedSymbol& symbol) {
  databar::EncodeError = BuildExpanded(source, symbol);
  return databar::EncodeError;
}

}  // namespace composite
