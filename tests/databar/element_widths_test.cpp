// The width-from-value method and the character tables: every value of every group must give a
// distinct, valid set of widths, or a symbol somewhere will not scan.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <span>
#include <vector>

#include "core/element_widths.h"
#include "databar/limited_tables.h"
#include "databar/omni_tables.h"

namespace databar {
namespace {

std::vector<int32_t> Widths(const SetWidths& widths, int elements) {
  return {widths.begin(), widths.begin() + elements};
}

TEST(Combinations, SmallAndSymmetricCases) {
  EXPECT_EQ(Combinations(5, 0), 1);
  EXPECT_EQ(Combinations(4, 4), 1);
  EXPECT_EQ(Combinations(12, 3), 220);
  EXPECT_EQ(Combinations(12, 9), 220);
  EXPECT_EQ(Combinations(19, 9), 92378);  // the largest the encoders ask for
}

TEST(ElementWidths, FirstAndLastSetsOfAGroup) {
  using V = std::vector<int32_t>;
  EXPECT_EQ(Widths(ElementWidths(0, 12, 4, 8, 1), 4), (V{1, 1, 2, 8}));
  EXPECT_EQ(Widths(ElementWidths(160, 12, 4, 8, 1), 4), (V{8, 2, 1, 1}));
  EXPECT_EQ(Widths(ElementWidths(0, 4, 4, 1, 0), 4), (V{1, 1, 1, 1}));
  EXPECT_EQ(Widths(ElementWidths(0, 10, 4, 7, 1), 4), (V{1, 1, 1, 7}));
}

// Walks every value of a group table: each character has the group's module totals, no element
// wider than allowed, an element of width 1 in the second set, and no two values share widths.
void CheckTable(std::span<const CharacterGroup> groups, int elementsPerSet, int totalModules) {
  std::vector<uint64_t> patterns;  // 4 bits per width
  int32_t value = 0;
  for (const CharacterGroup& group : groups) {
    for (int32_t v = 0; v < group.size; ++v, ++value) {
      const CharacterSets sets = EncodeCharacterSets(value, groups, elementsPerSet);
      const auto first = Widths(sets.first, elementsPerSet);
      const auto second = Widths(sets.second, elementsPerSet);
      ASSERT_EQ(std::accumulate(first.begin(), first.end(), 0), group.firstModules) << value;
      ASSERT_EQ(std::accumulate(second.begin(), second.end(), 0), group.secondModules) << value;
      for (int32_t w : first)
        ASSERT_TRUE(w >= 1 && w <= group.firstWidest) << value;
      for (int32_t w : second)
        ASSERT_TRUE(w >= 1 && w <= group.secondWidest) << value;
      ASSERT_NE(std::find(second.begin(), second.end(), 1), second.end()) << value;
      uint64_t pattern = 0;
      for (int k = 0; k < elementsPerSet; ++k)
        pattern = pattern << 8 | first[k] << 4 | second[k];
      patterns.push_back(pattern);
      ASSERT_EQ(group.firstModules + group.secondModules, totalModules);
    }
  }
  std::sort(patterns.begin(), patterns.end());
  EXPECT_EQ(std::adjacent_find(patterns.begin(), patterns.end()), patterns.end())
      << "two values share their widths";
}

TEST(CharacterTables, EveryOmniOutsideValueIsADistinctValidCharacter) {
  CheckTable(kOutsideGroups, 4, 16);
}

TEST(CharacterTables, EveryOmniInsideValueIsADistinctValidCharacter) {
  CheckTable(kInsideGroups, 4, 15);
}

TEST(CharacterTables, EveryLimitedValueIsADistinctValidCharacter) {
  CheckTable(kLimitedGroups, 7, 26);
}

}  // namespace
}  // namespace databar
