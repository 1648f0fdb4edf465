// The GS1 mod-10 check digit of an item number.
#pragma once

#include <cstdint>

namespace databar {

// Weights 3, 1, 3, 1, ... from the rightmost digit, as gs1::CheckDigitOf computes it for every
// symbology; -1 when a character is not a decimal digit.
int32_t ComputeCheckDigit(const char* text);

}  // namespace databar
