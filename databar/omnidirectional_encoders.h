// The encoders of GS1 DataBar Omnidirectional (also Truncated), Stacked and Stacked
// Omnidirectional, and the data characters, checksum and finder patterns of the 42 inner widths
// they share. Each encoder returns 0 or its EncodeError: 1 for a primary text that is not 1 to 13
// digits or a 2D component asked for without 2D data (the record is then not written), or the
// error of the 2D component.
#pragma once

#include <cstdint>

#include "core/symbol_records.h"

namespace databar {

int32_t EncodeOmnidirectional(const DataBarSource& source, LinearSymbol& symbol);
int32_t EncodeStacked(const DataBarSource& source, StackedSymbol& symbol);
int32_t EncodeStackedOmnidirectional(const DataBarSource& source, StackedOmniSymbol& symbol);

// The 2D-component linkage flag adds this to the item number.
constexpr int64_t kOmniLinkageValue = 10'000'000'000'000;

// Inner layout (index: content): 0-7 character 1 left to right, 8-12 left finder, 13-20
// character 2 right to left, 21-28 character 4 left to right, 29-33 right finder reversed,
// 34-41 character 3 right to left. itemNumber is 0 .. 9 999 999 999 999.
void EncodeOmniCharacters(int64_t itemNumber, InnerWidths& inner, int32_t linked);

}  // namespace databar
