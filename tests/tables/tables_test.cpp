// Invariants of the symbology tables: each pattern has the module count and colour structure the
// symbology requires, and no two patterns that a reader must tell apart are equal.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <numeric>
#include <set>
#include <string>

#include "composite/codeword_patterns.h"
#include "composite/row_address_patterns.h"
#include "databar/limited_tables.h"
#include "databar/omni_tables.h"
#include "gs1_128/code128_patterns.h"

namespace {

template <typename Row>
int Sum(const Row& row) {
  return std::accumulate(std::begin(row), std::end(row), 0);
}

TEST(CodewordPatternTable, EveryPatternHas17ModulesInItsCluster) {
  std::set<std::array<databar::ElementWidth, 8>> seen;
  for (int table = 0; table < 3; ++table) {
    for (int value = 0; value < 929; ++value) {
      const auto w = composite::CodewordPattern(table, value);
      EXPECT_EQ(Sum(w), 17) << table << " " << value;
      for (auto width : w)
        EXPECT_TRUE(width >= 1 && width <= 6);
      EXPECT_EQ((w[0] - w[2] + w[4] - w[6] + 9) % 9, table * 3) << table << " " << value;
      EXPECT_TRUE(seen.insert(w).second) << "duplicate pattern " << table << " " << value;
    }
  }
}

TEST(RowAddressPatternTable, PatternsHave10ModulesAndAreDistinct) {
  std::set<std::string> side, centre;
  for (int i = 0; i < 52; ++i) {
    EXPECT_EQ(Sum(composite::kSideRowAddressPatterns[i]), 10);
    EXPECT_EQ(Sum(composite::kCentreRowAddressPatterns[i]), 10);
    side.insert(std::string(std::begin(composite::kSideRowAddressPatterns[i]),
                            std::end(composite::kSideRowAddressPatterns[i])));
    centre.insert(std::string(std::begin(composite::kCentreRowAddressPatterns[i]),
                              std::end(composite::kCentreRowAddressPatterns[i])));
  }
  EXPECT_EQ(side.size(), 52u);
  EXPECT_EQ(centre.size(), 52u);
  for (const auto& pattern : side)
    EXPECT_EQ(centre.count(pattern), 0u);
}

TEST(OmniTables, GroupsCoverTheValueRangesWithTheirModuleTotals) {
  int outside = 0;
  for (const auto& g : databar::kOutsideGroups) {
    EXPECT_EQ(g.firstModules + g.secondModules, 16);
    outside += g.size;
  }
  EXPECT_EQ(outside, 2841);
  int inside = 0;
  for (const auto& g : databar::kInsideGroups) {
    EXPECT_EQ(g.firstModules + g.secondModules, 15);
    inside += g.size;
  }
  EXPECT_EQ(inside, 1597);
  for (const auto& finder : databar::kFinderPatterns)
    EXPECT_EQ(Sum(finder), 13);
}

TEST(LimitedTables, GroupsAndCheckCharacters) {
  int total = 0;
  for (const auto& g : databar::kLimitedGroups) {
    EXPECT_EQ(g.firstModules + g.secondModules, 26);
    total += g.size;
  }
  EXPECT_EQ(total, 2013571);
  std::set<std::string> seen;
  for (const auto& check : databar::kLimitedCheckCharacters) {
    EXPECT_EQ(Sum(check), 18);
    EXPECT_TRUE(seen.insert(std::string(std::begin(check), std::end(check))).second);
  }
  EXPECT_EQ(databar::kLimitedWeights[0][4], 81);
  EXPECT_EQ(databar::kLimitedWeights[1][0], 20);
}

int Modules(const char* pattern, int* barModules) {
  int total = 0;
  *barModules = 0;
  for (size_t i = 0; i < std::strlen(pattern); ++i) {
    total += pattern[i] - '0';
    if (i % 2 == 0)
      *barModules += pattern[i] - '0';
  }
  return total;
}

TEST(Code128Table, SymbolCharactersHave11ModulesAndEvenBars) {
  std::set<std::string> seen;
  int bars = 0;
  for (const char* pattern : gs1_128::kCode128Patterns) {
    EXPECT_EQ(std::strlen(pattern), 6u);
    EXPECT_EQ(Modules(pattern, &bars), 11) << pattern;
    EXPECT_EQ(bars % 2, 0) << pattern;
    EXPECT_TRUE(seen.insert(pattern).second) << pattern;
  }
  for (const char* start :
       {gs1_128::kStartAPattern, gs1_128::kStartBPattern, gs1_128::kStartCPattern}) {
    EXPECT_EQ(Modules(start, &bars), 11);
    EXPECT_TRUE(seen.insert(start).second);
  }
  EXPECT_EQ(Modules(gs1_128::kStopPattern, &bars), 13);
  EXPECT_STREQ(gs1_128::kCode128Patterns[0], "212222");
  EXPECT_STREQ(gs1_128::kCode128Patterns[102], "411131");
  EXPECT_STREQ(gs1_128::kStartCPattern, "211232");
}

}  // namespace
