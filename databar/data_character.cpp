#include "databar/data_character.h"

#include <cassert>

namespace databar {

CharacterSets EncodeCharacterSets(int32_t value, std::span<const CharacterGroup> groups,
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

}  // namespace databar
