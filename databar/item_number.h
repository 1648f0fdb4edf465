// The 13-digit item number (the GTIN without its check digit) that the linear encoders take from
// the primary text, and the input checks they all make first.
#pragma once

#include <cstdint>

#include "databar/symbol_records.h"

namespace databar {

constexpr int kItemNumberDigits = 13;

struct ItemNumber {
  char digits[kItemNumberDigits + 1];  // padded on the left with '0', NUL-terminated
  int64_t value;
};

// Accepts 1 to 13 decimal digits. Shorter texts are padded with leading zeros.
bool ParseItemNumber(const char* text, ItemNumber& item);

// Clears EncodeError and parses the primary text. Sets EncodeError to kInvalidData and returns
// false when the primary text is not an item number, or when a 2D component is asked for
// without any 2D data.
bool BeginLinearEncoding(const DataBarSource& source, ItemNumber& item);

}  // namespace databar
