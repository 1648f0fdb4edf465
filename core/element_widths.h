// Turning a character value into element widths: the combinatorial width-from-value method that
// every GS1 DataBar data character uses, and the character groups that split a data character's
// value into the values of its two element sets. The width search is constexpr, so that
// character tables can be built at compile time.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/symbol_records.h"

namespace databar {

// Room for the widest element set (7 elements for Limited, 4 elsewhere).
constexpr int kMaxSetElements = 8;
using SetWidths = std::array<int32_t, kMaxSetElements>;

// The binomial coefficient C(n, r) in 32-bit integer arithmetic; every intermediate product stays
// in range for n up to 19.
constexpr int32_t Combinations(int32_t n, int32_t r) {
  const int32_t small = std::min(r, n - r);
  const int32_t large = std::max(r, n - r);
  int32_t result = 1;
  int32_t divisor = 1;
  for (int32_t i = n; i > large; --i) {
    result *= i;
    if (divisor <= small)
      result /= divisor++;
  }
  while (divisor <= small)
    result /= divisor++;
  return result;
}

namespace element_widths_detail {

// The number of ways to finish a set whose next `remaining` elements add up to `left` modules,
// none wider than maxWidth; with mustHaveNarrow, only the ways that include a narrow element.
constexpr int32_t ComputeCompletions(int32_t left, int32_t remaining, int32_t maxWidth,
                                     bool mustHaveNarrow) {
  int32_t count = Combinations(left - 1, remaining - 1);
  // Sets without any narrow element are not allowed.
  if (mustHaveNarrow && left - remaining >= remaining) {
    count -= Combinations(left - remaining - 1, remaining - 1);
  }
  if (remaining > 1) {
    // Sets in which one of the remaining elements is wider than maxWidth.
    int32_t less = 0;
    for (int32_t m = left - (remaining - 1); m > maxWidth; --m) {
      less += Combinations(left - m - 1, remaining - 2);
    }
    count -= less * remaining;
  } else if (left > maxWidth) {
    count -= 1;
  }
  return count;
}

// Every count the DataBar element sets need (at most 19 modules, 8 elements, widest 8),
// computed at compile time: the width search asks for several per element.
constexpr int32_t kLeftBound = 20;
constexpr int32_t kRemainingBound = kMaxSetElements;
constexpr int32_t kMaxWidthBound = 9;

using CompletionTable = std::array<
    std::array<std::array<std::array<int32_t, kLeftBound>, kRemainingBound>, kMaxWidthBound>, 2>;

inline constexpr CompletionTable kCompletions = [] {
  CompletionTable table{};
  for (int32_t narrow = 0; narrow < 2; ++narrow) {
    for (int32_t maxWidth = 0; maxWidth < kMaxWidthBound; ++maxWidth) {
      for (int32_t remaining = 1; remaining < kRemainingBound; ++remaining) {
        for (int32_t left = 0; left < kLeftBound; ++left) {
          table[narrow][maxWidth][remaining][left] =
              ComputeCompletions(left, remaining, maxWidth, narrow != 0);
        }
      }
    }
  }
  return table;
}();

// The widths of the set with the given value: each element takes the narrowest width whose
// completions the value does not skip. counts(left, remaining, mustHaveNarrow) gives the number
// of completions.
template <typename Counts>
constexpr SetWidths SearchWidths(int32_t value, int32_t modules, int32_t elements, int32_t noNarrow,
                                 Counts counts) {
  SetWidths widths{};
  bool narrowSoFar = false;  // an element before the current one has width 1
  for (int32_t b = 0; b < elements - 1; ++b) {
    const int32_t remaining = elements - b - 1;
    // While this element is narrow the set already has its narrow element.
    const bool narrowRequired = noNarrow == 0 && !narrowSoFar;
    int32_t w = 1;
    int32_t count = counts(modules - 1, remaining, false);
    while (value >= count) {
      value -= count;
      ++w;
      count = counts(modules - w, remaining, narrowRequired);
    }
    if (w == 1)
      narrowSoFar = true;
    widths[b] = w;
    modules -= w;
  }
  widths[elements - 1] = modules;
  return widths;
}

}  // namespace element_widths_detail

// The widths of the element set with the given value among all sets of `elements` elements that
// add up to `modules`, none wider than maxWidth. With noNarrow 0 the set must contain an element
// of width 1. value must be below the number of such sets; elements is 2..kMaxSetElements.
constexpr SetWidths ElementWidths(int32_t value, int32_t modules, int32_t elements,
                                  int32_t maxWidth, int32_t noNarrow) {
  using namespace element_widths_detail;
  assert(elements >= 2 && elements <= kMaxSetElements);
  if (modules < kLeftBound && maxWidth >= 0 && maxWidth < kMaxWidthBound) {
    const auto& narrow = kCompletions[1][maxWidth];
    const auto& any = kCompletions[0][maxWidth];
    return SearchWidths(value, modules, elements, noNarrow,
                        [&](int32_t left, int32_t remaining, bool mustHaveNarrow) {
                          if (left < 0)
                            return ComputeCompletions(left, remaining, maxWidth, mustHaveNarrow);
                          return (mustHaveNarrow ? narrow : any)[remaining][left];
                        });
  }
  return SearchWidths(value, modules, elements, noNarrow,
                      [maxWidth](int32_t left, int32_t remaining, bool mustHaveNarrow) {
                        return ComputeCompletions(left, remaining, maxWidth, mustHaveNarrow);
                      });
}

// One row of a DataBar character group table. For Omnidirectional inside characters the first
// set is the even elements and the divisor is T(odd); everywhere else the first set is the odd
// elements and the divisor is T(even).
struct CharacterGroup {
  int32_t firstModules;
  int32_t firstWidest;
  int32_t secondModules;
  int32_t secondWidest;
  int32_t divisor;
  int32_t size;
};

// The element sets of one data character: its value picks a group of the symbology's table, the
// group splits it into the values of the two sets, and each set becomes widths.
struct CharacterSets {
  SetWidths first;   // noNarrow 1: the set need not have an element of width 1
  SetWidths second;  // must have an element of width 1
};

// value must be below the sum of the group sizes.
inline CharacterSets EncodeCharacterSets(int32_t value, std::span<const CharacterGroup> groups,
                                         int32_t elementsPerSet) {
  size_t g = 0;
  while (value >= groups[g].size) {
    value -= groups[g].size;
    ++g;
    assert(g < groups.size());
  }
  const CharacterGroup& group = groups[g];
  return {ElementWidths(value / group.divisor, group.firstModules, elementsPerSet,
                        group.firstWidest, 1),
          ElementWidths(value % group.divisor, group.secondModules, elementsPerSet,
                        group.secondWidest, 0)};
}

// The character's elements in reading order: odd[0], even[0], odd[1], even[1], ...
template <size_t N>
std::array<ElementWidth, N> InterleaveOddEven(const SetWidths& odd, const SetWidths& even) {
  std::array<ElementWidth, N> elements{};
  for (size_t k = 0; k < N / 2; ++k) {
    elements[2 * k] = static_cast<ElementWidth>(odd[k]);
    elements[2 * k + 1] = static_cast<ElementWidth>(even[k]);
  }
  return elements;
}

}  // namespace databar
