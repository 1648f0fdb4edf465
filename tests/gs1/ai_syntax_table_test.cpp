// Invariants of the generated AI table and of the ISO code lists built from iso-codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "gs1/ai_syntax.h"
#include "gs1/ai_syntax_rows.h"
#include "gs1/iso_code_lists.h"
#include "gs1/iso_codes.h"

namespace {

using gs1::AiSyntax;
using gs1::Check;
using gs1::DataPart;

std::string AiText(int number, int length) {
  std::string text = std::to_string(number);
  return std::string(length - text.size(), '0') + text;
}

// Whether `pattern` matches at least one AI of the table.
bool MatchesSomeAi(std::string_view pattern) {
  for (const AiSyntax& row : gs1::kAiSyntaxRows) {
    for (int ai = row.firstAi; ai <= row.lastAi; ++ai) {
      if (gs1::MatchesAiPattern(pattern, AiText(ai, row.aiLength))) {
        return true;
      }
    }
  }
  return false;
}

bool NeedsDigits(Check check) {
  switch (check) {
    case Check::kCsum:
    case Check::kYymmdd:
    case Check::kYymmd0:
    case Check::kYyyymmdd:
    case Check::kHhmi:
    case Check::kHh:
    case Check::kMi:
    case Check::kSs:
    case Check::kPieceOfTotal:
    case Check::kLatitude:
    case Check::kLongitude:
      return true;
    default:
      return false;
  }
}

TEST(AiSyntaxTable, RowsAscendAndDoNotOverlap) {
  std::string previous;
  for (const AiSyntax& row : gs1::kAiSyntaxRows) {
    ASSERT_GE(row.aiLength, 2);
    ASSERT_LE(row.aiLength, 4);
    ASSERT_LE(row.firstAi, row.lastAi);
    ASSERT_LT(AiText(row.lastAi, row.aiLength).size(), 5u);
    const std::string first = AiText(row.firstAi, row.aiLength);
    EXPECT_LT(previous, first);
    previous = AiText(row.lastAi, row.aiLength);
  }
}

TEST(AiSyntaxTable, PartsAreWellFormed) {
  for (const AiSyntax& row : gs1::kAiSyntaxRows) {
    const std::string ai = AiText(row.firstAi, row.aiLength);
    ASSERT_GE(row.partCount, 1) << ai;
    bool optionalSeen = false;
    for (size_t k = 0; k < row.Parts().size(); ++k) {
      const DataPart& part = row.parts[k];
      EXPECT_GE(part.minLength, 1) << ai;
      EXPECT_LE(part.minLength, part.maxLength) << ai;
      EXPECT_TRUE(part.minLength == part.maxLength || k + 1 == row.partCount)
          << ai << ": only the last part may vary in length";
      EXPECT_TRUE(part.optional || !optionalSeen) << ai << ": a required part after an optional";
      optionalSeen = optionalSeen || part.optional;
      EXPECT_TRUE(row.needsFnc1 || (part.minLength == part.maxLength && !part.optional))
          << ai << ": a predefined length needs fixed parts";
      for (const Check check : part.Checks()) {
        EXPECT_TRUE(!NeedsDigits(check) || part.set == gs1::CharacterSet::kN) << ai;
        EXPECT_TRUE(check != Check::kCsumAlpha || part.set == gs1::CharacterSet::kX) << ai;
      }
    }
  }
}

TEST(AiSyntaxTable, PairingRulesNameExistingAis) {
  for (const AiSyntax& row : gs1::kAiSyntaxRows) {
    const std::string ai = AiText(row.firstAi, row.aiLength);
    gs1::ListItems excluded(row.excludedAis, ',');
    for (std::string_view pattern; excluded.Next(pattern);)
      EXPECT_TRUE(MatchesSomeAi(pattern)) << ai << " excludes " << pattern;
    gs1::ListItems lists(row.requiredAis, ';');
    for (std::string_view list; lists.Next(list);) {
      gs1::ListItems options(list, ',');
      for (std::string_view option; options.Next(option);) {
        gs1::ListItems together(option, '+');
        for (std::string_view pattern; together.Next(pattern);)
          EXPECT_TRUE(MatchesSomeAi(pattern)) << ai << " requires " << pattern;
      }
    }
  }
}

TEST(AiSyntaxTable, LookupByAiAndByPrefix) {
  for (const AiSyntax& row : gs1::kAiSyntaxRows) {
    for (int number = row.firstAi; number <= row.lastAi; ++number) {
      const std::string ai = AiText(number, row.aiLength);
      EXPECT_EQ(gs1::FindAiSyntax(ai), &row) << ai;
      EXPECT_EQ(gs1::AiLengthOfPrefix(ai.substr(0, 2)), row.aiLength) << ai;
    }
  }
  EXPECT_EQ(gs1::FindAiSyntax("3106"), nullptr);  // inside a prefix, outside the range
  EXPECT_EQ(gs1::FindAiSyntax("310"), nullptr);
  EXPECT_EQ(gs1::FindAiSyntax("0001"), nullptr);  // 00 has two digits, not four
  EXPECT_EQ(gs1::FindAiSyntax("1"), nullptr);
  EXPECT_EQ(gs1::AiLengthOfPrefix("04"), 0);
  EXPECT_EQ(gs1::AiLengthOfPrefix("0"), 0);
  EXPECT_EQ(gs1::AiLengthOfPrefix("31"), 4);
}

TEST(AiSyntaxTable, PatternsAndLists) {
  EXPECT_TRUE(gs1::MatchesAiPattern("310n", "3109"));
  EXPECT_FALSE(gs1::MatchesAiPattern("310n", "310"));
  EXPECT_FALSE(gs1::MatchesAiPattern("310n", "3119"));
  EXPECT_TRUE(gs1::MatchesAiPattern("31nn", "3100"));
  EXPECT_TRUE(gs1::ListMatchesAi("390n,391n,8111", ',', "8111"));
  EXPECT_FALSE(gs1::ListMatchesAi("390n,391n,8111", ',', "811"));
  EXPECT_FALSE(gs1::ListMatchesAi("", ',', "01"));
}

template <typename List>
void ExpectAscendingAndUnique(const List& list) {
  EXPECT_TRUE(std::adjacent_find(list.begin(), list.end(), [](const auto& a, const auto& b) {
                return !(a < b);
              }) == list.end());
}

TEST(IsoCodeLists, SortedForLookupAndHoldingWellKnownCodes) {
  ExpectAscendingAndUnique(gs1::kCountryNumericCodes);
  ExpectAscendingAndUnique(gs1::kCountryAlpha2Codes);
  ExpectAscendingAndUnique(gs1::kCurrencyNumericCodes);
  EXPECT_GT(gs1::kCountryNumericCodes.size(), 240u);
  EXPECT_EQ(gs1::kCountryNumericCodes.size(), gs1::kCountryAlpha2Codes.size());
  EXPECT_GT(gs1::kCurrencyNumericCodes.size(), 150u);
  EXPECT_TRUE(gs1::IsCountryNumericCode("392"));
  EXPECT_TRUE(gs1::IsCountryNumericCode("004"));
  EXPECT_FALSE(gs1::IsCountryNumericCode("4"));
  EXPECT_FALSE(gs1::IsCountryNumericCode("39A"));
  EXPECT_TRUE(gs1::IsCountryAlpha2Code("JP"));
  EXPECT_FALSE(gs1::IsCountryAlpha2Code("JPN"));
  EXPECT_TRUE(gs1::IsCurrencyNumericCode("392"));
  EXPECT_TRUE(gs1::IsCurrencyNumericCode("978"));
}

}  // namespace
