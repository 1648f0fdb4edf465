// The encoders of GS1 DataBar Omnidirectional (also Truncated), Stacked and Stacked
// Omnidirectional. Each returns 0 or its EncodeError: 1 for a primary text that is not 1 to 13
// digits or a 2D component asked for without 2D data (the record is then not written), or the
// error of the 2D component.
#pragma once

#include <cstdint>

#include "databar/symbol_records.h"

namespace databar {

int32_t EncodeOmnidirectional(const DataBarSource& source, LinearSymbol& symbol);
int32_t EncodeStacked(const DataBarSource& source, StackedSymbol& symbol);
int32_t EncodeStackedOmnidirectional(const DataBarSource& source, StackedOmniSymbol& symbol);

}  // namespace databar
