// The encoder of GS1 DataBar Limited. Returns 0 or its EncodeError: 1 for a primary text that is
// not 1 to 13 digits, an item number from 2 000 000 000 000 up, or a 2D component asked for
// without 2D data (the record is then not written), or the error of the 2D component.
#pragma once

#include <cstdint>

#include "databar/symbol_records.h"

namespace databar {

int32_t EncodeLimited(const DataBarSource& source, LinearSymbol& symbol);

}  // namespace databar
