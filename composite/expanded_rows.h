// The rows of DataBar Expanded and Expanded Stacked: the pairs cut into rows of a number of
// segments, every row between its guards, alternate rows reversed where the pairing calls for
// it, and the separator rows between stacked rows and above the top row.
#pragma once

#include "composite/expanded_characters.h"
#include "core/symbol_records.h"

namespace composite {

// Widens a light element by `modules`. Nothing is drawn in a light element, so a width beyond
// an element's range is kept at the largest one.
void WidenLightElement(databar::ElementWidth& element, int modules);

// Fills rows, rowLengths, rowCount, symbolWidth, separators and separatorLengths of `symbol`
// from the pairs of `symbolCharacters` characters (4..22), at most `segmentsPerRow` (an even
// count 2..22) per row. With compositeFollows the separator above the top row is stored as
// well, as separators[3 * (rowCount - 1)].
void LayOutExpandedRows(const ExpandedPairs& pairs, int symbolCharacters, int segmentsPerRow,
                        bool compositeFollows, databar::ExpandedSymbol& symbol);

}  // namespace composite
