// The GS1 mod-10 check digit of an item number.
#pragma once

#include <cstdint>

namespace databar {

// Weights 3, 1, 3, 1, ... from the rightmost digit; the digit is (10 - sum mod 10) mod 10.
// Returns -1 when a character is not a decimal digit.
int32_t ComputeCheckDigit(const char* text);

}  // namespace databar
