// The data characters, checksum and finder patterns of GS1 DataBar Omnidirectional: the 42 inner
// widths shared by Omnidirectional, Truncated, Stacked and Stacked Omnidirectional.
#pragma once

#include <cstdint>

#include "databar/inner_widths.h"

namespace databar {

// The 2D-component linkage flag adds this to the item number.
constexpr int64_t kOmniLinkageValue = 10'000'000'000'000;

// Inner layout (index: content): 0-7 character 1 left to right, 8-12 left finder, 13-20
// character 2 right to left, 21-28 character 4 left to right, 29-33 right finder reversed,
// 34-41 character 3 right to left. itemNumber is 0 .. 9 999 999 999 999.
void EncodeOmniCharacters(int64_t itemNumber, InnerWidths& inner, int32_t linked);

}  // namespace databar
