#include "gs1_128/symbol_characters.h"

#include <gtest/gtest.h>

#include <vector>

#include "gs1_128/medical128_elements.h"

namespace {

using gs1_128::kLotCodeA;
using gs1_128::kLotCodeB;
using gs1_128::kLotCodeC;

struct CollectingSink : gs1_128::SymbolCharacterSink {
  std::vector<int> values;
  int modules = 0;
  void Put(int16_t value, const char* widths) override {
    values.push_back(value);
    for (const char* w = widths; *w != '\0'; ++w) {
      modules += *w - '0';
    }
  }
};

gs1_128::Medical128Elements Elements(const char* expiry, const char* quantity, const char* lot,
                                     int32_t codeSet) {
  gs1_128::Medical128Elements elements;
  EXPECT_TRUE(gs1_128::StoreElements(elements, "0112345678901231", expiry, quantity, lot, codeSet));
  return elements;
}

CollectingSink Encode(const gs1_128::Medical128Elements& elements) {
  CollectingSink sink;
  gs1_128::EncodeSymbol(elements, sink);
  return sink;
}

constexpr int kStop = 106;

// The symbol value sequences and check values worked out by hand for the medical element strings,
// covering every code-set change in front of the lot and the FNC1 after the quantity.
TEST(Medical128Sequence, ProductCodeOnly) {
  const CollectingSink sink = Encode(Elements("", "", "", kLotCodeA));
  EXPECT_EQ(sink.values, (std::vector<int>{105, 102, 1, 12, 34, 56, 78, 90, 12, 31, 74, kStop}));
  EXPECT_EQ(sink.modules, 134);
}

TEST(Medical128Sequence, LotInCodeSetAAndBFromCodeC) {
  const std::vector<int> prefix = {105, 102, 1, 12, 34, 56, 78, 90, 12, 31, 17, 1, 12, 31};
  const std::vector<int> lot = {17, 16, 44, 47, 52, 17, 16, 16, 17};

  const CollectingSink a = Encode(Elements("17011231", "", "10LOT1001", kLotCodeA));
  std::vector<int> expected = prefix;
  expected.push_back(101);
  expected.insert(expected.end(), lot.begin(), lot.end());
  expected.insert(expected.end(), {33, kStop});
  EXPECT_EQ(a.values, expected);
  EXPECT_EQ(a.modules, 288);

  const CollectingSink b = Encode(Elements("17011231", "", "10LOT1001", kLotCodeB));
  expected[prefix.size()] = 100;
  expected[expected.size() - 2] = 19;
  EXPECT_EQ(b.values, expected);
}

TEST(Medical128Sequence, QuantityThenLotInCodeSetC) {
  const CollectingSink sink = Encode(Elements("17011231", "3012", "101234", kLotCodeC));
  EXPECT_EQ(sink.values,
            (std::vector<int>{105, 102, 1,  12, 34, 56, 78,  90, 12, 31, 17, 1,  12,
                              31,  100, 19, 16, 17, 18, 102, 99, 10, 12, 34, 84, kStop}));
}

TEST(Medical128Sequence, QuantityLeavesCodeSetBForALotInB) {
  const CollectingSink sink = Encode(Elements("", "30100", "10ABC12", kLotCodeB));
  EXPECT_EQ(sink.values,
            (std::vector<int>{105, 102, 1,  12,  34, 56, 78, 90, 12, 31, 100, 19, 16,
                              17,  16,  16, 102, 17, 16, 33, 34, 35, 17, 18,  92, kStop}));
}

TEST(Medical128Sequence, LotInCodeSetAAfterQuantityAndNoSeparatorWithoutLot) {
  EXPECT_EQ(Encode(Elements("", "301", "10A", kLotCodeA)).values,
            (std::vector<int>{105, 102, 1,  12,  34,  56, 78, 90, 12, 31,   100,
                              19,  16,  17, 102, 101, 17, 16, 33, 9,  kStop}));
  EXPECT_EQ(
      Encode(Elements("", "301", "", kLotCodeA)).values,
      (std::vector<int>{105, 102, 1, 12, 34, 56, 78, 90, 12, 31, 100, 19, 16, 17, 48, kStop}));
}

}  // namespace
