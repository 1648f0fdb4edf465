// Lays the codewords of a composite component out in rows of element widths, with the row
// address patterns that tell a reader which row and which cluster it is looking at.
#pragma once

#include "composite/codewords.h"
#include "composite/size_tables.h"
#include "core/symbol_records.h"

namespace composite {

// Element counts of one row by layout; every row begins with a 1-module space and ends with a
// 1-module bar and a 1-module space.
constexpr int kTwoColumnRowLength = 31;       // 57 modules
constexpr int kThreeColumnCcARowLength = 39;  // 74 modules
constexpr int kThreeColumnCcBRowLength = 45;  // 84 modules
constexpr int kFourColumnRowLength = 53;      // 101 modules

// Writes size.rows rows of `table.columns` codewords each into `rows`, top row first. Elements
// after the end of a row are cleared.
void BuildRows(const CompositeSizeTable& table, int sizeIndex, const CodewordArray& codewords,
               databar::CompositeRowBuffer& rows);

}  // namespace composite
