// The encoder of GS1 DataBar Limited and its characters: two data characters of 14 elements with
// the check character between them, and the separator row under a 2D component. EncodeLimited
// returns 0 or its EncodeError: 1 for a primary text that is not 1 to 13 digits, an item number
// from 2 000 000 000 000 up, or a 2D component asked for without 2D data (the record is then not
// written), or the error of the 2D component.
#pragma once

#include <cstdint>

#include "core/separator.h"
#include "core/symbol_records.h"

namespace databar {

int32_t EncodeLimited(const DataBarSource& source, LinearSymbol& symbol);

constexpr int64_t kLimitedLargestItem = 1'999'999'999'999;
// The 2D-component linkage flag adds this to the item number.
constexpr int64_t kLimitedLinkageValue = 2'015'133'531'096;

// Inner layout: 0-13 left character, 14-27 check character, 28-41 right character, each as
// odd[0], even[0], ... left to right. Returns false, writing nothing, when the item number is
// above kLimitedLargestItem.
bool EncodeLimitedCharacters(int64_t itemNumber, InnerWidths& inner, int32_t linked);

// The complement of the whole linear row (guards included) with 4 light modules at each end.
// Returns the number of elements.
int32_t BuildLimitedSeparator(const InnerWidths& inner, SeparatorRow& out);

}  // namespace databar
