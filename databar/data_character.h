// One DataBar data character: its value picks a group of the symbology's table, the group splits
// it into the values of the two element sets, and each set becomes widths.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "databar/character_group.h"
#include "databar/element_widths.h"
#include "databar/symbol_records.h"

namespace databar {

struct CharacterSets {
  SetWidths first;   // noNarrow 1: the set need not have an element of width 1
  SetWidths second;  // must have an element of width 1
};

// value must be below the sum of the group sizes.
CharacterSets EncodeCharacterSets(int32_t value, std::span<const CharacterGroup> groups,
                                  int32_t elementsPerSet);

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
