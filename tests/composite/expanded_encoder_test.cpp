// DataBar Expanded and Expanded Stacked: the method field of each compressed form, the symbol
// read back from its modules, the row layout (reversed rows, the bottom row, separators), the
// widened 2D component, and the refusals that leave the record alone.
#include <gtest/gtest.h>

#include <bitset>
#include <cstring>
#include <memory>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "composite/encode_target.h"
#include "composite/expanded_characters.h"
#include "composite/expanded_encoder.h"
#include "composite/expanded_method.h"
#include "composite/general_purpose_encoder.h"
#include "core/encode_error.h"
#include "core/separator.h"
#include "tests/composite/expanded_reader.h"

namespace composite {
namespace {

using databar::ExpandedSymbol;

std::string Bin(int value, int width) {
  return std::bitset<32>(static_cast<unsigned>(value)).to_string().substr(32 - width);
}

// The item digits 889 876 543 210 of the GTIN 98898765432106.
const std::string kGtin = "0198898765432106";
const std::string kItemBits = Bin(889, 10) + Bin(876, 10) + Bin(543, 10) + Bin(210, 10);

struct MethodField {
  std::string bits;  // after the linkage flag
  int position = 0;  // the first character left to the general-purpose modes
};

MethodField Method(const std::string& text) {
  BitBuffer bits{};
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  const EncodeTarget target = EncodeTarget::Expanded(22, &ChooseExpandedMethod);
  CompositeEncodeState state(target, buffer.data(), bits);
  state.bitPosition = 1;
  EXPECT_EQ(ChooseExpandedMethod(state), kNumericMode);
  MethodField field;
  for (int i = 1; i < state.bitPosition; ++i)
    field.bits += GetBit(bits, i) ? '1' : '0';
  field.position = state.position;
  return field;
}

struct Encoded {
  int32_t error = 0;
  std::unique_ptr<ExpandedSymbol> symbol = std::make_unique<ExpandedSymbol>();
};

Encoded Encode(const std::string& text, int segmentsPerRow, const char* composite = nullptr) {
  databar::DataBarSource source;
  source.linearText = text.c_str();
  source.segmentsPerRow = segmentsPerRow;
  source.compositeText = composite;
  source.hasComposite = composite != nullptr ? 1 : 0;
  Encoded encoded;
  std::memset(encoded.symbol.get(), 0xAB, sizeof(ExpandedSymbol));
  encoded.error = EncodeExpanded(source, *encoded.symbol);
  return encoded;
}

int Modules(const databar::ElementWidth* widths, int count) {
  return std::accumulate(widths, widths + count, 0);
}

// Digits for the general-purpose method: 5 method bits and 7 bits per pair of digits.
std::string DigitPairs(int pairs) {
  return "90" + std::string(2 * pairs - 2, '7');
}

TEST(ExpandedMethod, CompressedWeightsTakeTheirFixedBitCounts) {
  // AI 3103 with a weight up to 32767: 4 + 40 + 15 bits, 60 with the linkage flag.
  const MethodField kilograms = Method(kGtin + "3103000123");
  EXPECT_EQ(kilograms.bits, "0100" + kItemBits + Bin(123, 15));
  EXPECT_EQ(kilograms.position, 26);

  EXPECT_EQ(Method(kGtin + "3202009999").bits, "0101" + kItemBits + Bin(9999, 15));
  EXPECT_EQ(Method(kGtin + "3203022767").bits, "0101" + kItemBits + Bin(32767, 15));

  // Weights beyond the 15-bit forms take the 20-bit form with the no-date value.
  EXPECT_EQ(Method(kGtin + "3202012345").bits,
            "0111001" + kItemBits + Bin(212345, 20) + Bin(38400, 16));
  EXPECT_EQ(Method(kGtin + "3203022768").bits,
            "0111001" + kItemBits + Bin(322768, 20) + Bin(38400, 16));
  EXPECT_EQ(Method(kGtin + "3103032768").bits,
            "0111000" + kItemBits + Bin(332768, 20) + Bin(38400, 16));

  // With a date: the date's AI in the method, 84 bits in all.
  const MethodField dated = Method(kGtin + "3101012345" + "17991231");
  EXPECT_EQ(dated.bits, "0111110" + kItemBits + Bin(112345, 20) + Bin(99 * 384 + 11 * 32 + 31, 16));
  EXPECT_EQ(dated.position, 34);
  EXPECT_EQ(Method(kGtin + "3209000001" + "11000100").bits.substr(0, 7), "0111001");
  EXPECT_EQ(Method(kGtin + "3100000001" + "15991200").bits.substr(0, 7), "0111100");
}

TEST(ExpandedMethod, PricesLeaveTheirDigitsToTheGeneralModes) {
  const MethodField price = Method(kGtin + "3922" + "12345");
  EXPECT_EQ(price.bits, "0110000" + kItemBits + Bin(2, 2));
  EXPECT_EQ(price.position, 20);

  const MethodField withCurrency = Method(kGtin + "3931" + "978" + "1234");
  EXPECT_EQ(withCurrency.bits, "0110100" + kItemBits + Bin(1, 2) + Bin(978, 10));
  EXPECT_EQ(withCurrency.position, 23);

  // A price with four decimals has no compressed form.
  EXPECT_EQ(Method(kGtin + "3924" + "12345").bits.substr(0, 3), "100");
}

TEST(ExpandedMethod, OtherGtinsAndOtherDataTakeTheGeneralForms) {
  // The compressed forms need the indicator digit 9; method 1 keeps it.
  const MethodField gtin = Method("0112345678901231" + std::string("3103000123"));
  EXPECT_EQ(gtin.bits,
            "100" + Bin(1, 4) + Bin(234, 10) + Bin(567, 10) + Bin(890, 10) + Bin(123, 10));
  EXPECT_EQ(gtin.position, 16);
  EXPECT_EQ(Method(kGtin + "10ABC").position, 16);

  // A weight with a trailing field other than a date, or of the wrong length.
  EXPECT_EQ(Method(kGtin + "3103000123" + "10ABCDEF").bits.substr(0, 3), "100");
  EXPECT_EQ(Method(kGtin + "310300012").bits.substr(0, 3), "100");

  // A date the 16-bit field cannot carry would come out as another date.
  EXPECT_EQ(Method(kGtin + "3101012345" + "17991331").bits.substr(0, 3), "100");
  EXPECT_EQ(Method(kGtin + "3101012345" + "17990031").bits.substr(0, 3), "100");

  const MethodField general = Method("10ABC");
  EXPECT_EQ(general.bits, "0000");
  EXPECT_EQ(general.position, 0);
  EXPECT_EQ(Method("01ABCDEFGHIJKLMN").bits, "0000");
  EXPECT_EQ(Method("0198898765").bits, "0000");
}

// Element strings of every method, read back from the modules at every segment count.
TEST(ExpandedSymbol, ReadsBackAtEverySegmentCount) {
  const std::string texts[] = {
      kGtin,
      kGtin + "3103000123",
      kGtin + "3202012345",
      kGtin + "3101012345" + "17991231",
      kGtin + "3922" + "12345#10ABC",
      kGtin + "3931" + "978" + "1234",
      kGtin + "10abc-123#21XYZ",
      "10ABC#17991231",
      DigitPairs(23),  // 14 data characters, where the second variable-length bit turns
      DigitPairs(34),
  };
  for (const std::string& text : texts) {
    for (int segments = 2; segments <= 22; segments += 2) {
      SCOPED_TRACE(text + " at " + std::to_string(segments));
      const Encoded e = Encode(text, segments);
      ASSERT_EQ(e.error, 0);
      const auto reading =
          testing::ReadExpandedSymbol(testing::ExpandedModuleRows(*e.symbol), segments);
      ASSERT_TRUE(reading.has_value());
      const int characters = static_cast<int>(reading->characters.size());
      const testing::ExpandedData data = testing::DecodeExpandedBits(reading->bits, characters);
      EXPECT_EQ(data.text, text);
      EXPECT_FALSE(data.linkage);
      EXPECT_TRUE(data.variableLengthBitsRight);
      EXPECT_EQ(reading->linearRows, (characters - 1) / segments + 1);
      EXPECT_EQ(e.symbol->rowCount, reading->linearRows);
      // No row of a stacked symbol holds a single character.
      EXPECT_NE(characters % segments, 1);
    }
  }
}

TEST(ExpandedSymbol, TwoSegmentsPerRowGiveElevenRowsAndThirtySeparators) {
  const Encoded e = Encode(DigitPairs(34), 2);  // 5 + 34 × 7 bits: 21 data characters
  ASSERT_EQ(e.error, 0);
  EXPECT_EQ(e.symbol->rowCount, 11);
  EXPECT_EQ(e.symbol->symbolWidth, 53);
  EXPECT_EQ(e.symbol->separatorLengths[databar::kExpandedSeparatorCount], 30);
  for (int r = 0; r < 11; ++r)
    EXPECT_EQ(Modules(e.symbol->rows[r], e.symbol->rowLengths[r]), 53) << r;
  for (int s = 0; s < 30; ++s) {
    EXPECT_EQ(Modules(e.symbol->separators[s], e.symbol->separatorLengths[s]), 53) << s;
  }
  // The middle separator: 5 light modules, single modules, 5 light modules (odd width).
  const databar::ElementWidth* middle = e.symbol->separators[1];
  ASSERT_EQ(e.symbol->separatorLengths[1], 45);
  EXPECT_EQ(middle[0], 5);
  EXPECT_EQ(middle[44], 5);
  EXPECT_TRUE(std::all_of(middle + 1, middle + 44, [](int w) { return w == 1; }));
}

TEST(ExpandedSymbol, RowsReverseOnlyWhenRowsHoldAnEvenNumberOfPairs) {
  const std::string text = DigitPairs(34);  // 22 symbol characters
  for (int segments = 2; segments < 22; segments += 2) {
    const Encoded e = Encode(text, segments);
    const auto reading =
        testing::ReadExpandedSymbol(testing::ExpandedModuleRows(*e.symbol), segments);
    ASSERT_TRUE(reading.has_value());
    const size_t rows = reading->reversedRows.size();
    // A bottom row with an odd number of data elements (an odd number of pairs) stays unreversed.
    const int bottomPairs = (22 - static_cast<int>(rows - 1) * segments) / 2;
    for (size_t k = 0; k < rows; ++k) {
      const bool bottomException = k + 1 == rows && bottomPairs % 2 == 1;
      const bool expected = segments % 4 == 0 && k % 2 == 1 && !bottomException;
      EXPECT_EQ(reading->reversedRows[k], expected) << segments << " segments, row " << k;
    }
  }
}

TEST(ExpandedSymbol, BottomRowOfOddElementsKeepsItsOrderOneModuleRight) {
  // 5 data characters at 4 segments per row: the bottom row holds one pair (21 elements) and
  // would be reversed.
  const std::string text = kGtin + "3103000123";
  ExpandedPairs pairs{};
  ASSERT_EQ(FormExpandedCharacters(text.c_str(), 4, false, pairs), 6);
  const Encoded e = Encode(text, 4);
  ASSERT_EQ(e.error, 0);
  ASSERT_EQ(e.symbol->rowCount, 2);
  const databar::ElementWidth* bottom = e.symbol->rows[0];
  ASSERT_EQ(e.symbol->rowLengths[0], 25);
  EXPECT_EQ(bottom[0], 2);
  EXPECT_EQ(bottom[1], 1);
  EXPECT_TRUE(std::equal(bottom + 2, bottom + 23, pairs.begin() + 42));
  EXPECT_EQ(bottom[24], 1 + 48);
  EXPECT_EQ(Modules(bottom, 25), 102);
  // Its separator, the first stored, moves and is padded the same way.
  databar::SeparatorRow unmoved{};
  const int separatorLength = databar::BuildSeparator(pairs.data() + 42, unmoved, 21, 1);
  ASSERT_EQ(e.symbol->separatorLengths[0], separatorLength);
  const databar::ElementWidth* separator = e.symbol->separators[0];
  EXPECT_EQ(separator[0], unmoved[0] + 1);
  EXPECT_TRUE(std::equal(separator + 1, separator + separatorLength - 1, unmoved + 1));
  EXPECT_EQ(separator[separatorLength - 1], unmoved[separatorLength - 1] + 48);
  EXPECT_EQ(Modules(separator, separatorLength), 102);

  // 6 data characters: the bottom row (3 segments, 34 elements) is reversed and padded.
  const std::string longer = kGtin + "10123";
  ASSERT_EQ(FormExpandedCharacters(longer.c_str(), 4, false, pairs), 7);
  const Encoded reversed = Encode(longer, 4);
  const databar::ElementWidth* row = reversed.symbol->rows[0];
  ASSERT_EQ(reversed.symbol->rowLengths[0], 39);
  EXPECT_EQ(row[0], 0);
  EXPECT_TRUE(std::equal(row + 3, row + 37, std::make_reverse_iterator(pairs.begin() + 76)));
  EXPECT_EQ(row[38], 1 + 17);
  EXPECT_EQ(Modules(row, 39), 102);
}

TEST(ExpandedSymbol, CompositeRowsAreWidenedToTheSymbol) {
  // The shortest symbol: 3 data characters in one row of 102 modules, so the 101-module rows of
  // the component only move one module right.
  const Encoded narrow = Encode("10A", 4, "17991231");
  ASSERT_EQ(narrow.error, 0);
  ASSERT_EQ(narrow.symbol->rowCount, 1);
  ASSERT_EQ(narrow.symbol->symbolWidth, 102);
  EXPECT_EQ(Modules(narrow.symbol->rows[0], narrow.symbol->rowLengths[0]), 102);
  ASSERT_EQ(narrow.symbol->ccRowLength, 53);
  ASSERT_GT(narrow.symbol->ccRowCount, 0);
  for (int r = 0; r < narrow.symbol->ccRowCount; ++r) {
    const databar::ElementWidth* row = narrow.symbol->ccRows[r];
    EXPECT_EQ(row[0], 2);  // the left row address pattern starts at module 2
    EXPECT_EQ(row[52], 1);
    EXPECT_EQ(Modules(row, 53), 102);
  }
  // The separator above the top row is stored after it.
  EXPECT_EQ(narrow.symbol->separatorLengths[databar::kExpandedSeparatorCount], 1);

  const Encoded wide = Encode(kGtin + "10ABCDEFGHIJ", 22, "17991231");
  ASSERT_EQ(wide.error, 0);
  for (int r = 0; r < wide.symbol->ccRowCount; ++r) {
    EXPECT_EQ(Modules(wide.symbol->ccRows[r], 53), wide.symbol->symbolWidth);
  }
  const auto reading = testing::ReadExpandedSymbol(testing::ExpandedModuleRows(*wide.symbol), 22);
  ASSERT_TRUE(reading.has_value());
  EXPECT_EQ(reading->compositeRows, wide.symbol->ccRowCount + 1);
  EXPECT_TRUE(testing::DecodeExpandedBits(reading->bits, reading->characters.size()).linkage);
}

TEST(ExpandedCharacters, AnEarlierErrorDoesNotStopTheNextText) {
  ExpandedPairs pairs{};
  databar::EncodeError = databar::kDataTooLong;
  EXPECT_EQ(FormExpandedCharacters("10A", 22, false, pairs), 4);
  EXPECT_EQ(databar::EncodeError, databar::kEncodeOk);
}

TEST(ExpandedSymbol, RefusedInputLeavesTheRecordAlone) {
  const struct {
    std::string text;
    int segments;
    const char* composite;
    int32_t error;
  } cases[] = {
      {DigitPairs(36), 22, nullptr, databar::kDataTooLong},  // 5 + 36 × 7 bits
      {"10AB^CD", 22, nullptr, databar::kInvalidData},
      {"10AB$CD", 22, nullptr, databar::kInvalidData},
      {"", 22, nullptr, databar::kInvalidData},
      {"10ABC", 3, nullptr, databar::kInvalidData},
      {"10ABC", 24, nullptr, databar::kInvalidData},
      {"10ABC", 0, nullptr, databar::kInvalidData},
      {"10ABC", 2, "17991231", databar::kInvalidData},  // a 2D component needs 4 segments
      {"10ABC", 4, "", databar::kInvalidData},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " at " + std::to_string(c.segments));
    const Encoded e = Encode(c.text, c.segments, c.composite);
    EXPECT_EQ(e.error, c.error);
    EXPECT_EQ(databar::EncodeError, c.error);
    const auto* bytes = reinterpret_cast<const unsigned char*>(e.symbol.get());
    EXPECT_TRUE(std::all_of(bytes, bytes + sizeof(ExpandedSymbol),
                            [](unsigned char b) { return b == 0xAB; }));
  }
}

TEST(ExpandedSymbol, FailingCompositeLeavesACompleteSymbolWithoutIt) {
  const std::string tooLong = "91" + std::string(400, '1');
  const Encoded e = Encode(kGtin, 4, tooLong.c_str());
  EXPECT_EQ(e.error, databar::kDataTooLong);
  EXPECT_EQ(e.symbol->ccRowCount, 0);
  ASSERT_EQ(e.symbol->rowCount, 2);
  EXPECT_EQ(e.symbol->separatorLengths[databar::kExpandedSeparatorCount], 4);
}

TEST(ExpandedSymbol, EncodesInParallelThreads) {
  const std::string texts[] = {kGtin + "3103000123", DigitPairs(30), "10ABC#21abc"};
  std::vector<std::vector<std::string>> expected;
  for (const std::string& text : texts)
    expected.push_back(testing::ExpandedModuleRows(*Encode(text, 6, "10LOT").symbol));
  std::vector<std::thread> threads;
  std::vector<int> mismatches(3);
  for (int t = 0; t < 3; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 200; ++i) {
        const Encoded e = Encode(texts[t], 6, "10LOT");
        mismatches[t] += e.error != 0 || testing::ExpandedModuleRows(*e.symbol) != expected[t];
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  EXPECT_EQ(mismatches, std::vector<int>(3, 0));
}

}  // namespace
}  // namespace composite
