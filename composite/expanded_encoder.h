// The DataBar Expanded and Expanded Stacked encoder: an element string into the rows, separators
// and optional 2D component of an ExpandedSymbol record.
#pragma once

#include <cstdint>

#include "core/symbol_records.h"

namespace composite {

// Encodes source.linearText (the element string, '#' for FNC1) in rows of at most
// source.segmentsPerRow segments (an even count 2..22), with a 4-column 2D component widened to
// the symbol's width when source.hasComposite is set (which needs 4 segments per row or more).
//
// Returns 0, or the EncodeError: kInvalidData for input that cannot be encoded as asked
// (nothing is written to the record then), kDataTooLong for an element string beyond 252 bits
// (nor then), or the error of a 2D component that cannot be built, in which case the record is
// complete but has no 2D rows (ccRowCount 0).
int32_t EncodeExpanded(const databar::DataBarSource& source, databar::ExpandedSymbol& symbol);

}  // namespace composite
