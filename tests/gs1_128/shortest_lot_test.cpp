#include "gs1_128/shortest_lot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "gs1_128/medical128_elements.h"
#include "gs1_128/symbol_characters.h"

namespace {

using gs1_128::kLotCodeA;
using gs1_128::kLotCodeAuto;
using gs1_128::kLotCodeB;
using gs1_128::kLotCodeC;

struct Symbol : gs1_128::SymbolCharacterSink {
  std::vector<int> values;
  int modules = 0;
  void Put(int16_t value, const char* widths) override {
    values.push_back(value);
    for (const char* w = widths; *w != '\0'; ++w)
      modules += *w - '0';
  }
};

Symbol Encode(const char* gtin, const char* expiry, const char* quantity, const std::string& lot,
              int32_t codeSet) {
  gs1_128::Medical128Elements elements;
  EXPECT_TRUE(gs1_128::StoreElements(elements, gtin, expiry, quantity, lot, codeSet)) << lot;
  Symbol symbol;
  gs1_128::EncodeSymbol(elements, symbol);
  return symbol;
}

// Reads the data characters back, FNC1 as '#', following every code-set change.
std::string Decode(const std::vector<int>& values) {
  char set = 'C';
  std::string data;
  for (size_t i = 2; i + 2 < values.size(); ++i) {
    const int v = values[i];
    if (v == 102) {
      data += '#';
    } else if (set != 'C' && v == 99) {
      set = 'C';
    } else if ((set == 'C' && v == 100) || (set == 'A' && v == 100)) {
      set = 'B';
    } else if ((set == 'C' && v == 101) || (set == 'B' && v == 101)) {
      set = 'A';
    } else if (set == 'C') {
      data += std::to_string(v / 10) + std::to_string(v % 10);
    } else {
      data += static_cast<char>(v + 32);
    }
  }
  return data;
}

// The fewest characters for the text from any start in A, B or C with every means Code 128 has:
// changes, shifts between A and B, pairs in C. Independent of the encoder's own reasoning.
int FewestCharacters(const std::string& text, char start) {
  const auto inA = [](char c) { return c >= ' ' && c <= '_'; };
  const auto inB = [](char c) { return c >= ' ' && c <= '~'; };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const int n = static_cast<int>(text.size());
  constexpr int kNever = 1 << 20;
  // cost[at][set]: fewest for text[at..] in set 0 A, 1 B, 2 C; changes relax to a fixed point.
  std::vector<std::array<int, 3>> cost(n + 1, {kNever, kNever, kNever});
  cost[n] = {0, 0, 0};
  for (int at = n - 1; at >= 0; --at) {
    const char c = text[at];
    std::array<int, 3>& here = cost[at];
    if (inA(c))
      here[0] = 1 + cost[at + 1][0];
    if (inB(c))
      here[1] = 1 + cost[at + 1][1];
    if (inB(c))
      here[0] = std::min(here[0], 2 + cost[at + 1][0]);  // shift to B
    if (inA(c))
      here[1] = std::min(here[1], 2 + cost[at + 1][1]);  // shift to A
    if (at + 1 < n && digit(c) && digit(text[at + 1]))
      here[2] = 1 + cost[at + 2][2];
    for (int round = 0; round < 3; ++round) {
      for (int from = 0; from < 3; ++from) {
        for (int to = 0; to < 3; ++to)
          here[from] = std::min(here[from], 1 + here[to]);
      }
    }
  }
  return cost[0][start == 'A' ? 0 : start == 'B' ? 1 : 2];
}

TEST(ShortestLot, ChangesToCodeSetBInsideTheLotWhereThatIsShorter) {
  // (01)10857674002017(10)1152KMB: 10 11 52 in code set C, then code set B for KMB.
  const Symbol symbol = Encode("0110857674002017", "", "", "101152KMB", kLotCodeAuto);
  EXPECT_EQ(symbol.modules, 211);
  EXPECT_EQ(std::vector<int>(symbol.values.begin() + 10, symbol.values.end() - 2),
            (std::vector<int>{10, 11, 52, 100, 43, 45, 34}));
  EXPECT_EQ(Encode("0110857674002017", "", "", "101152KMB", kLotCodeA).modules, 244);
  EXPECT_EQ(Encode("0110857674002017", "", "", "101152KMB", kLotCodeB).modules, 244);
}

TEST(ShortestLot, DigitsAfterTheQuantityGoToCodeSetCOnlyWhenThatSaves) {
  // The quantity leaves code set B: two or three digits stay there, four are shorter in C.
  const gs1_128::LotValues three = gs1_128::ShortestLotValues("101", true);
  EXPECT_EQ(std::vector<int>(three.values, three.values + three.count),
            (std::vector<int>{17, 16, 17}));
  const gs1_128::LotValues four = gs1_128::ShortestLotValues("1012", true);
  EXPECT_EQ(std::vector<int>(four.values, four.values + four.count),
            (std::vector<int>{99, 10, 12}));
  // A run of six digits inside letters goes to C and back; a run of three stays in B.
  const gs1_128::LotValues mixed = gs1_128::ShortestLotValues("10A123456B", false);
  EXPECT_EQ(std::vector<int>(mixed.values, mixed.values + mixed.count),
            (std::vector<int>{10, 100, 33, 99, 12, 34, 56, 100, 34}));
  const gs1_128::LotValues inB = gs1_128::ShortestLotValues("10A123B", false);
  EXPECT_EQ(std::vector<int>(inB.values, inB.values + inB.count),
            (std::vector<int>{10, 100, 33, 17, 18, 19, 34}));
}

TEST(ShortestLot, TheLongestLotFitsItsValues) {
  const gs1_128::LotValues letters = gs1_128::ShortestLotValues("10abcdefghijklmnopqrst", false);
  EXPECT_EQ(letters.count, 1 + 1 + 20);  // "10" as a pair, the change, the letters
  EXPECT_LE(letters.count, gs1_128::kMostLotValues);
}

// Random lots of every kind of character: the data reads back, and the symbol is as short as the
// fewest characters any means of Code 128 allows, so never longer than with A, B or C.
TEST(ShortestLot, RandomLotsReadBackAndAreNeverLonger) {
  std::mt19937_64 random(16);
  const auto pick = [&random](int n) { return static_cast<int>(random() % n); };
  const std::string marks = "!\"%&'*()+,-./:;<=>?_";
  for (int trial = 0; trial < 3000; ++trial) {
    std::string lot;
    const bool digitsOnly = pick(4) == 0;
    for (int i = 1 + pick(20); i > 0; --i) {
      const int kind = digitsOnly ? 0 : pick(5);
      lot += kind <= 1   ? static_cast<char>('0' + pick(10))
             : kind == 2 ? static_cast<char>('A' + pick(26))
             : kind == 3 ? static_cast<char>('a' + pick(26))
                         : marks[pick(marks.size())];
    }
    const char* quantity = pick(2) ? "305" : "";
    const Symbol automatic = Encode("0112345678901231", "", quantity, "10" + lot, kLotCodeAuto);
    EXPECT_EQ(Decode(automatic.values),
              "0112345678901231" + std::string(*quantity ? "305#" : "") + "10" + lot);
    const int prefix = *quantity ? 10 + 1 + 4 : 10;  // start, FNC1, (01); change, 305, FNC1
    const int lotCharacters = static_cast<int>(automatic.values.size()) - prefix - 2;
    EXPECT_EQ(lotCharacters, FewestCharacters("10" + lot, *quantity ? 'B' : 'C')) << lot;
    for (const int32_t set : {kLotCodeA, kLotCodeB, kLotCodeC}) {
      gs1_128::Medical128Elements elements;
      if (!gs1_128::StoreElements(elements, "0112345678901231", "", quantity, "10" + lot, set))
        continue;
      Symbol fixed;
      gs1_128::EncodeSymbol(elements, fixed);
      EXPECT_LE(automatic.modules, fixed.modules) << lot << " in set " << set;
    }
  }
}

}  // namespace
