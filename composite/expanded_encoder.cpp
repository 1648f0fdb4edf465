#include "composite/expanded_encoder.h"

#include "composite/composite_component.h"
#include "composite/expanded_characters.h"
#include "composite/expanded_rows.h"
#include "databar/encode_error.h"

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

}  // namespace

int32_t EncodeExpanded(const databar::DataBarSource& source, databar::ExpandedSymbol& symbol) {
  databar::EncodeError = databar::kEncodeOk;
  if (!IsValidRequest(source)) {
    databar::EncodeError = databar::kInvalidData;
    return databar::EncodeError;
  }
  const bool hasComposite = source.hasComposite != 0;
  ExpandedPairs pairs{};
  const int symbolCharacters =
      FormExpandedCharacters(source.linearText, source.segmentsPerRow, hasComposite, pairs);
  if (symbolCharacters == 0)
    return databar::EncodeError;

  databar::CompositeRowBuffer compositeRows;  // the first compositeRowCount rows are written
  int compositeRowCount = 0;
  int32_t compositeError = databar::kEncodeOk;
  if (hasComposite) {
    compositeRowCount = EncodeComposite(kCompositeColumns, source.compositeText, compositeRows);
    compositeError = databar::EncodeError;
  }

  LayOutExpandedRows(pairs, symbolCharacters, source.segmentsPerRow, hasComposite, symbol);
  StoreCompositeRows(compositeRows, compositeRowCount, symbol.symbolWidth, symbol);
  databar::EncodeError = compositeError;
  return compositeError;
}

}  // namespace composite
