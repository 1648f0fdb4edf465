// Separator rows of the DataBar symbols: the rows of single-module height between two
// linear rows or between a linear row and a 2D component.
#pragma once

#include <cstdint>

#include "core/symbol_records.h"

namespace databar {

using SeparatorRow = ElementWidth[kSeparatorCapacity];

// The separator next to a row, from the row's `count` inner widths (guards excluded): the
// complement of the row with 4 light modules at each end, and single alternating modules over
// the light elements of the finder patterns. firstIsSpace tells whether widths[0] is a space in
// its row. Widths past `count` read as 0. Returns the number of separator elements.
int32_t BuildSeparator(const ElementWidth* widths, SeparatorRow& out, int32_t count,
                       int32_t firstIsSpace);

// The one separator row of Stacked, built column by column from the upper row (inner 0..20) and
// the lower row (inner 21..41). Returns the number of elements.
int32_t BuildStackedSeparator(const InnerWidths& inner, SeparatorRow& out);

}  // namespace databar
