#include <gtest/gtest.h>

#include <string>

#include "gs1_128/medical128_elements.h"
#include "gs1_128/mod10_check.h"

namespace {

TEST(Mod10CheckCharacter, KnownProductCodes) {
  EXPECT_EQ(gs1_128::Mod10CheckCharacter("1234567890123"), '1');
  EXPECT_EQ(gs1_128::Mod10CheckCharacter("2001234567890"), '9');
  EXPECT_EQ(gs1_128::Mod10CheckCharacter("0950110153000"), '3');
  // Weighted sum 3 × 5 + 1 × 5 = 20, a multiple of 10: '0', never the character after '9'.
  EXPECT_EQ(gs1_128::Mod10CheckCharacter("55"), '0');
  EXPECT_EQ(gs1_128::Mod10CheckCharacter("0000000000000"), '0');
}

TEST(FitsCapacity, CountsDigitsOnceAndOtherCharactersTwice) {
  // 16 + 8 + (2 + 8 + 2) + (2 + 16) = 54 with eight letters; 46 with eight digits.
  EXPECT_FALSE(gs1_128::FitsCapacity("991231", "12345678", "ABCDEFGH"));
  EXPECT_TRUE(gs1_128::FitsCapacity("991231", "12345678", "12345678"));
  // Exactly 48: 16 + 8 + 12 + (2 + 10).
  EXPECT_TRUE(gs1_128::FitsCapacity("991231", "12345678", "1234567890"));
  EXPECT_FALSE(gs1_128::FitsCapacity("991231", "12345678", "12345678901"));
  EXPECT_TRUE(gs1_128::FitsCapacity("", "", "ABCDEFGHIJ"));
  EXPECT_TRUE(gs1_128::FitsCapacity("", "", ""));
}

TEST(StoreElements, RefusesWhatDoesNotFitOrCannotBeSent) {
  gs1_128::Medical128Elements elements;
  ASSERT_TRUE(gs1_128::StoreElements(elements, "0112345678901231", "17991231", "301", "10ABC",
                                     gs1_128::kLotCodeA));
  const gs1_128::Medical128Elements before = elements;

  const struct {
    const char *gtin, *expiry, *quantity;
    std::string lot;
    int32_t set;
  } refused[] = {
      {"01123456789012310", "", "", "", gs1_128::kLotCodeA},  // each field one too long
      {"0112345678901231", "1799123100", "", "", gs1_128::kLotCodeA},
      {"0112345678901231", "", "30123456789", "", gs1_128::kLotCodeA},
      {"0112345678901231", "", "", "10" + std::string(21, '1'), gs1_128::kLotCodeB},
      {"011234567890123", "", "", "", gs1_128::kLotCodeA},        // odd digits in code set C
      {"0112345678901231", "", "", "10abc", gs1_128::kLotCodeA},  // no code A value
      {"0112345678901231", "", "", "10123", gs1_128::kLotCodeC},
      {"0112345678901231", "", "", "", 4},  // no such code set
  };
  for (const auto& r : refused) {
    EXPECT_FALSE(gs1_128::StoreElements(elements, r.gtin, r.expiry, r.quantity, r.lot, r.set))
        << r.gtin << " " << r.expiry << " " << r.quantity << " " << r.lot << " " << r.set;
    EXPECT_STREQ(elements.gtinElement, before.gtinElement);
    EXPECT_STREQ(elements.lotElement, before.lotElement);
  }

  // The longest strings of every field still fit.
  EXPECT_TRUE(gs1_128::StoreElements(elements, "0112345678901231", "17991231", "3012345678",
                                     "10" + std::string(20, '~'), gs1_128::kLotCodeB));
  EXPECT_EQ(std::string(elements.lotElement), "10" + std::string(20, '~'));
}

}  // namespace
