// Turning a character value into element widths: the combinatorial width-from-value method that
// every GS1 DataBar data character uses.
#pragma once

#include <array>
#include <cstdint>

namespace databar {

// Room for the widest element set (7 elements for Limited, 4 elsewhere).
constexpr int kMaxSetElements = 8;
using SetWidths = std::array<int32_t, kMaxSetElements>;

// The binomial coefficient C(n, r) in 32-bit integer arithmetic; every intermediate product stays
// in range for n up to 19.
int32_t Combinations(int32_t n, int32_t r);

// The widths of the element set with the given value among all sets of `elements` elements that
// add up to `modules`, none wider than maxWidth. With noNarrow 0 the set must contain an element
// of width 1. value must be below the number of such sets; elements is 2..kMaxSetElements.
SetWidths ElementWidths(int32_t value, int32_t modules, int32_t elements, int32_t maxWidth,
                        int32_t noNarrow);

}  // namespace databar
