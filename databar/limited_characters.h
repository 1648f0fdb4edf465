// The characters of GS1 DataBar Limited: two data characters of 14 elements with the check
// character between them, and the separator row under a 2D component.
#pragma once

#include <cstdint>

#include "databar/inner_widths.h"
#include "databar/separator.h"

namespace databar {

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
