// The Omnidirectional family's characters, finders, separators and the encoders' input checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "core/encode_error.h"
#include "core/separator.h"
#include "databar/item_number.h"
#include "databar/omni_tables.h"
#include "databar/omnidirectional_encoders.h"

namespace databar {
namespace {

using Widths = std::vector<int>;

template <typename T>
Widths Row(const T* widths, int32_t count) {
  return Widths(widths, widths + count);
}

int Modules(const Widths& widths) {
  return std::accumulate(widths.begin(), widths.end(), 0);
}

InnerWidths Inner(int64_t itemNumber, int32_t linked = 0) {
  InnerWidths inner;
  EncodeOmniCharacters(itemNumber, inner, linked);
  return inner;
}

// The finder values read back from the inner widths.
std::pair<int, int> Finders(const InnerWidths& inner) {
  int left = -1, right = -1;
  for (int v = 0; v < 9; ++v) {
    const ElementWidth* f = kFinderPatterns[v];
    if (inner[8] == f[0] && inner[9] == f[1] && inner[10] == f[2])
      left = v;
    if (inner[33] == f[0] && inner[32] == f[1] && inner[31] == f[2])
      right = v;
  }
  return {left, right};
}

TEST(OmniCharacters, KnownItemNumber) {
  const InnerWidths inner = Inner(2001234567890);
  EXPECT_EQ(Row(inner.data(), 42),
            (Widths{1, 1, 3, 3, 1, 1, 5, 1, 2, 7, 4, 1, 1, 1, 2, 2, 1, 2, 1, 5, 1,
                    2, 5, 1, 2, 1, 1, 1, 2, 1, 1, 2, 8, 3, 3, 2, 1, 2, 1, 2, 3, 2}));
  EXPECT_EQ(Finders(inner), std::make_pair(4, 0));
}

TEST(OmniCharacters, FinderValuesSkipTheUnusedCombinations) {
  EXPECT_EQ(Finders(Inner(0)), std::make_pair(0, 3));                 // checksum 3
  EXPECT_EQ(Finders(Inner(0, 1)), std::make_pair(6, 8));              // linked: checksum 61
  EXPECT_EQ(Finders(Inner(2001234567890, 1)), std::make_pair(5, 1));  // linked: checksum 45
}

TEST(BuildSeparator, KnownRowIncludingBothFinders) {
  const InnerWidths inner = Inner(2001234567890);
  SeparatorRow out;
  const int32_t count = BuildSeparator(inner.data(), out, 42, 1);
  EXPECT_EQ(Row(out, count),
            (Widths{4, 3, 3, 1, 1, 5, 1, 1, 8, 1, 1, 1, 2, 1, 1, 2, 2, 1, 2, 1, 5, 1, 2, 5, 1,
                    2, 1, 1, 1, 2, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 4, 3, 2, 1, 2, 1, 2, 3, 4}));
  EXPECT_EQ(Modules(Row(out, count)), 96);
}

TEST(BuildSeparator, NarrowDarkElementOfTheRightFinder) {
  // Right finder value 3 (3 1 9) lies reversed as 1 1 9 1 3: its 9, 1 and 3 become 10, 1, 2.
  int found = 0;
  for (int64_t item = 0; found < 20; item += 7919) {
    const InnerWidths inner = Inner(item);
    if (Finders(inner).second != 3)
      continue;
    ++found;
    SeparatorRow out;
    const Widths widths = Row(out, BuildSeparator(inner.data(), out, 42, 1));
    EXPECT_EQ(Modules(widths), 96) << item;
    const Widths tail = {10, 1, 2};
    EXPECT_NE(std::search(widths.begin(), widths.end(), tail.begin(), tail.end()), widths.end())
        << item;
  }
}

// Modules of a row of elements, the first a space.
std::string Modules(const ElementWidth* widths, int32_t count) {
  std::string modules;
  for (int32_t i = 0; i < count; ++i)
    modules.append(widths[i], i % 2 == 1 ? '1' : '0');
  return modules;
}

TEST(BuildSeparator, FinderTestFiresEarlyAfterAMatchingCharacterWidth) {
  // Left finder 3 8 2 after a character ending in width 2: 2 + 3 + 8 = 13 fires the test at
  // the character's last element. The finder's first light element then alternates and its
  // second (2 modules) is complemented as a whole.
  int found = 0;
  for (int64_t item = 0; found < 5 && item < 10'000'000'000'000; item += 99'991'234) {
    const InnerWidths inner = Inner(item);
    if (Finders(inner).first != 0 || inner[7] != 2)
      continue;
    ++found;
    SeparatorRow out;
    const std::string separator = Modules(out, BuildSeparator(inner.data(), out, 42, 1));
    const int firstLight = 2 + std::accumulate(inner.begin(), inner.begin() + 8, 0);
    const int secondLight = firstLight + 3 + 8;
    EXPECT_EQ(separator.substr(firstLight, 3), "101") << item;
    EXPECT_EQ(separator.substr(secondLight, 2), "11") << item;
  }
  EXPECT_GT(found, 0);
}

TEST(BuildSeparator, MalformedShortRowsEnd) {
  const ElementWidth row[] = {1, 1};
  SeparatorRow out;
  EXPECT_LE(BuildSeparator(row, out, 2, 1), kSeparatorCapacity);
  EXPECT_LE(BuildSeparator(row, out, 0, 0), kSeparatorCapacity);
}

TEST(BuildStackedSeparator, KnownItemNumber) {
  SeparatorRow out;
  const int32_t count = BuildStackedSeparator(Inner(2001234567890), out);
  EXPECT_EQ(Row(out, count), (Widths{4, 3, 1, 1, 1, 1, 1, 2, 1, 2, 1, 1, 2, 1, 1, 1, 1, 1,
                                     1, 2, 1, 1, 1, 1, 1, 1, 2, 1, 2, 1, 2, 1, 1, 1, 4}));
}

// The colours of a row's modules, 1 for a bar.
Widths ModulesOf(const ElementWidth* widths, int32_t count, int firstColour) {
  Widths modules;
  for (int32_t i = 0; i < count; ++i, firstColour ^= 1)
    modules.insert(modules.end(), widths[i], firstColour);
  return modules;
}

// The separator between the two rows of Stacked, module by module: four light modules at each
// end, and between them, column by column, the complement of the rows where they agree and the
// opposite of the module before where they differ. Checked on many rows, since the separator is
// built from whole rows of bits at once.
TEST(BuildStackedSeparator, FollowsTheRowsColumnByColumn) {
  constexpr int kColumns = 46;
  for (int64_t n = 0; n < 20000; ++n) {
    const int64_t itemNumber = (n * 4999999937LL + 12345) % 10000000000000LL;
    const InnerWidths inner = Inner(itemNumber, static_cast<int32_t>(n % 2));
    const Widths upper = ModulesOf(inner.data(), 21, 0);
    const Widths lower = ModulesOf(inner.data() + 21, 21, 1);
    SeparatorRow out;
    const Widths separator = ModulesOf(out, BuildStackedSeparator(inner, out), 0);
    ASSERT_EQ(separator.size(), 50u) << itemNumber;
    int previous = 0;
    for (int column = 0; column < kColumns; ++column) {
      const int expected = upper[column] == lower[column] ? 1 - upper[column] : 1 - previous;
      const bool end = column < 2 || column >= kColumns - 2;
      ASSERT_EQ(separator[column + 2], end ? 0 : expected) << itemNumber << " column " << column;
      previous = expected;
    }
    for (const int module : {0, 1, 48, 49})
      ASSERT_EQ(separator[module], 0) << itemNumber;
  }
}

// The panels show this digit after the item number, so a character that is not a digit must give
// -1 rather than a digit computed from its code.
TEST(ComputeCheckDigit, KnownItemNumbersAndCharactersBesideTheDigits) {
  EXPECT_EQ(ComputeCheckDigit("2001234567890"), 9);
  EXPECT_EQ(ComputeCheckDigit("0000000000000"), 0);
  EXPECT_EQ(ComputeCheckDigit("1"), 7);
  for (const char* text : {"200123456789/", "200123456789:", "2001234 67890", "-200123456789"})
    EXPECT_EQ(ComputeCheckDigit(text), -1) << text;
}

class OmniEncoders : public ::testing::Test {
 protected:
  DataBarSource Source(const char* text) {
    DataBarSource source;
    source.linearText = text;
    return source;
  }
};

TEST_F(OmniEncoders, ShortTextIsPaddedWithLeadingZeros) {
  LinearSymbol padded{}, full{};
  ASSERT_EQ(EncodeOmnidirectional(Source("1"), padded), 0);
  ASSERT_EQ(EncodeOmnidirectional(Source("0000000000001"), full), 0);
  EXPECT_EQ(Row(padded.row, 46), Row(full.row, 46));
  EXPECT_EQ(padded.checkDigit, full.checkDigit);
}

TEST_F(OmniEncoders, BadInputIsRefusedWithoutTouchingTheRecord) {
  DataBarSource noComposite = Source("2001234567890");
  noComposite.hasComposite = 1;
  noComposite.compositeText = "";
  DataBarSource nullComposite = Source("2001234567890");
  nullComposite.hasComposite = 1;
  for (const DataBarSource& source : {Source("20012345678901"), Source("200123456789A"), Source(""),
                                      Source(nullptr), noComposite, nullComposite}) {
    LinearSymbol linear;
    linear.rowLength = -7;
    EXPECT_EQ(EncodeOmnidirectional(source, linear), kInvalidData);
    EXPECT_EQ(EncodeError, kInvalidData);
    EXPECT_EQ(linear.rowLength, -7);
    StackedSymbol stacked;
    stacked.topRowLength = -7;
    EXPECT_EQ(EncodeStacked(source, stacked), kInvalidData);
    EXPECT_EQ(stacked.topRowLength, -7);
    StackedOmniSymbol omni;
    omni.topRowLength = -7;
    EXPECT_EQ(EncodeStackedOmnidirectional(source, omni), kInvalidData);
    EXPECT_EQ(omni.topRowLength, -7);
  }
}

TEST_F(OmniEncoders, SuccessClearsAnEarlierError) {
  EncodeError = kDataTooLong;
  LinearSymbol linear{};
  EXPECT_EQ(EncodeOmnidirectional(Source("2001234567890"), linear), 0);
  EXPECT_EQ(EncodeError, 0);
}

}  // namespace
}  // namespace databar
