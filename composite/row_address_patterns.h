// Row address patterns of the composite component rows (the MicroPDF417 table of ISO/IEC 24728),
// indexed by row address - 1. Each is 6 widths, bar first, 10 modules.
#pragma once

#include "core/symbol_records.h"

namespace composite {

extern const databar::ElementWidth kSideRowAddressPatterns[52][6];    // left and right
extern const databar::ElementWidth kCentreRowAddressPatterns[52][6];  // centre

}  // namespace composite
