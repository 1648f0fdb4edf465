// How much data one GS1-128 symbol for medical products may carry.
#pragma once

#include <string_view>

namespace gs1_128 {

// Whether the entered texts (without identifiers, empty when absent) stay within 48 counted
// characters: the product code counts 16; a date 8; a quantity 2 + its digits + 2 for the
// separating FNC1; a lot 2 + 1 per digit + 2 per other character. The lot's code set plays no part.
bool FitsCapacity(std::string_view expiry, std::string_view quantity, std::string_view lot);

}  // namespace gs1_128
