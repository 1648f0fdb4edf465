// The bit strings of the composite data encodation: method fields, mode switching, padding and
// size choice, and the safety of the in-place rewriting of the text.
#include <gtest/gtest.h>

#include <bitset>
#include <cstring>
#include <string>
#include <vector>

#include "composite/bit_buffer.h"
#include "composite/encode_target.h"
#include "composite/general_purpose_encoder.h"
#include "core/encode_error.h"

namespace composite {
namespace {

std::string Bin(int value, int width) {
  return std::bitset<32>(static_cast<unsigned>(value)).to_string().substr(32 - width);
}

struct Encoded {
  int size;
  std::string bits;  // the written bits, up to the chosen capacity
  std::string text;  // the text after encoding
};

// Encodes `text` for a composite target with the given capacities (0-terminated).
Encoded Encode(std::string text, std::vector<int16_t> capacities = {1184, 0},
               EncodeChoices choices = EncodeChoices::kSmallestSymbol) {
  BitBuffer bits{};
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  const EncodeTarget target = EncodeTarget::Composite(capacities.data());
  int size = -1;
  if (EncodeDataBits(target, buffer.data(), bits, size, choices) != databar::kEncodeOk)
    size = -1;
  Encoded out{size, "", buffer.data()};
  const int used = size >= 0 ? capacities[size] : 0;
  for (int i = 0; i < used; ++i)
    out.bits += GetBit(bits, i) ? '1' : '0';
  return out;
}

TEST(MethodField, LotNumberFirstUsesMethod1011AndGoesOnInNumericMode) {
  const Encoded e = Encode("10ABC12");
  // A, B, C in alphanumeric after the numeric latch 0000; 1 and 2 stay alphanumeric (5 bits).
  EXPECT_EQ(e.bits.substr(0, 4 + 4 + 18 + 10),
            "1011"
            "0000"
            "100000"
            "100001"
            "100010"
            "00110"
            "00111");
}

TEST(MethodField, DateWithoutLotNumberEndsTheDateWithFnc1) {
  const Encoded e = Encode("17991231");
  const std::string date = Bin(99 * 384 + 11 * 32 + 31, 16);
  EXPECT_EQ(e.bits.substr(0, 28), "10" + date + "1" +
                                      "0000"
                                      "01111");
  EXPECT_EQ(e.text, "1799123#");

  const Encoded ai11 = Encode("11000100");
  EXPECT_EQ(ai11.bits.substr(0, 19), "10" + Bin(0, 16) + "0");  // DD 00 is accepted
}

TEST(MethodField, DateFollowedByLotNumberImpliesAi10) {
  const Encoded e = Encode("1701020310AB");
  EXPECT_EQ(e.bits.substr(0, 19 + 4 + 12), "10" + Bin(1 * 384 + 1 * 32 + 3, 16) + "1" +
                                               "0000"
                                               "100000"
                                               "100001");
  EXPECT_EQ(e.text, "1701020310AB");

  // An AI 10 without data counts as no lot number: 10# and the rest are general-purpose data.
  const Encoded empty = Encode("1799123110#21X");
  EXPECT_EQ(empty.text, "1799123#10#21X");
  EXPECT_EQ(empty.bits.substr(19, 7), Bin(10 * 11 + 1 + 8, 7));  // the pair FNC1 1
}

TEST(MethodField, InvalidDatesAndOtherDataUseGeneralPurposeFromTheStart) {
  // AI 90 numbers with a leading zero would read back without it.
  for (const char* text : {"1713131599", "17991232", "179912", "11ABCDEF", "900A12", "90", "9001B",
                           "90012B", "9006T"}) {
    const Encoded e = Encode(text);
    EXPECT_EQ(e.bits.substr(0, 1), "0") << text;
    EXPECT_EQ(e.text, text) << text;
  }
  // The general-purpose data of 1713131599 starts with the pair 1 7 at bit 1.
  EXPECT_EQ(Encode("1713131599").bits.substr(1, 7), Bin(1 * 11 + 7 + 8, 7));
}

TEST(MethodField, Ai90NumberAndLetterForms) {
  // Method 11, run mode, other-AI field 0, then the number and letter.
  // 90A: number 0, A has no short code -> 11111, 10-bit number, 5-bit letter.
  EXPECT_EQ(Encode("90A").bits.substr(0, 2 + 2 + 1 + 20),
            "11"
            "10"
            "0"
            "11111" +
                Bin(0, 10) + Bin(0, 5));
  // 9012B: the short form, 5-bit number and B's index 0 among the short letters.
  EXPECT_EQ(Encode("9012B").bits.substr(0, 5 + 9),
            "11"
            "10"
            "0" +
                Bin(12, 5) + Bin(0, 4));
  // 9030Z: 30 is still short; Z is the last short letter.
  EXPECT_EQ(Encode("9030Z").bits.substr(5, 9), Bin(30, 5) + Bin(15, 4));
  // 9031B and 90123Q: numbers of 31 and more take the long form.
  EXPECT_EQ(Encode("9031B").bits.substr(5, 20), "11111" + Bin(31, 10) + Bin('B' - 'A', 5));
  EXPECT_EQ(Encode("90123Q").bits.substr(5, 20), "11111" + Bin(123, 10) + Bin('Q' - 'A', 5));
}

TEST(MethodField, Ai90RunModeAndOtherAiFields) {
  // More letters than digits: letters-and-digits mode 11; A in 5 bits, 7 as 7 + 52 in 6 bits.
  EXPECT_EQ(Encode("90QABC7").bits.substr(0, 14 + 5 * 3 + 6),
            "11"
            "11"
            "0" +
                Bin(0, 5) + Bin(9, 4) +
                "00000"
                "00001"
                "00010" +
                Bin(59, 6));
  // A non-digit in the run: alphanumeric, field 0. All digits: numeric, field 10.
  EXPECT_EQ(Encode("90Q12A").bits.substr(0, 3), "110");
  EXPECT_EQ(Encode("90Q1234A").bits.substr(0, 3), "110");
  EXPECT_EQ(Encode("90Q1234").bits.substr(0, 4), "1110");
  // The FNC1 that ends the run announces AI 21 (10) or AI 8004 (11); other AIs give 0. These
  // codes form a prefix code with the 0 for none.
  EXPECT_EQ(Encode("90Q12#21X").bits.substr(4, 2), "10");
  EXPECT_EQ(Encode("90Q12#8004X").bits.substr(4, 2), "11");
  EXPECT_EQ(Encode("90Q12#22X").bits.substr(4, 1), "0");
  EXPECT_EQ(Encode("90Q12^21X").bits.substr(4, 1), "0");
}

TEST(MethodField, Ai90LeadingDigitsStartNumericWhereThatMakesTheSymbolSmaller) {
  // 90Q1234A: numeric 14 + 14 + 4 + 6 = 38 bits, alphanumeric 13 + 20 + 6 = 39.
  const std::string numeric =
      "11"
      "10"
      "0" +
      Bin(0, 5) + Bin(9, 4) + Bin(21, 7) + Bin(45, 7) + "0000" + Bin('A' - 33, 6);
  EXPECT_EQ(Encode("90Q1234A", {38, 60, 0}).bits, numeric);
  // Where both fit the same size, the alphanumeric start.
  EXPECT_EQ(Encode("90Q1234A", {39, 60, 0}).bits.substr(0, 3), "110");
  EXPECT_EQ(Encode("90Q1234A", {38, 60, 0}, EncodeChoices::kStandardProcedure).size, 1);
  // Three leading digits are shorter in alphanumeric mode: 13 + 15 + 6 = 34 bits.
  EXPECT_EQ(Encode("90Q123A", {34, 0}).bits.substr(0, 3), "110");
}

TEST(MethodField, ImpliedAiDigitsAreLeftOut) {
  // 90Q12#21X: numeric run 12, then FNC1 meets X (copied over the 2 of 21): latch, FNC1 in
  // alphanumeric; 21 is skipped and X follows in alphanumeric mode via numeric latch.
  const Encoded e = Encode("90Q12#21X");
  const std::string head =
      "11"
      "10"
      "10" +
      Bin(0, 5) + Bin(9, 4);
  EXPECT_EQ(e.bits.substr(0, head.size() + 7 + 4 + 5 + 4 + 6), head + Bin(1 * 11 + 2 + 8, 7) +
                                                                   "0000"
                                                                   "01111"
                                                                   "0000" +
                                                                   Bin('X' - 33, 6));
  // With a digit after the implied AI, FNC1 pairs with that digit in numeric mode.
  const Encoded digit = Encode("90Q12#213");
  EXPECT_EQ(digit.bits.substr(head.size() + 7, 7), Bin(10 * 11 + 3 + 8, 7));
  EXPECT_EQ(digit.text, "90Q12#3");
  // The look-ahead does not count the implied AI's digits: 6, FNC1 and P do not make a run of
  // digits worth numeric mode, as 6, FNC1 and 8004 would.
  const Encoded alphanumeric = Encode("90QA6#8004P");
  EXPECT_EQ(alphanumeric.bits.substr(0, 14 + 6 + 5 + 5 + 4 + 6),
            "11"
            "0"
            "11" +
                Bin(0, 5) + Bin(9, 4) + Bin('A' - 33, 6) +
                "01011"
                "01111"
                "0000" +
                Bin('P' - 33, 6));
}

TEST(TextRewriting, StaysWithinTheText) {
  // The texts end right where the rewriting happens; bytes after the terminator must be
  // neither read into the data nor written.
  for (const char* text : {"90Q12#21", "90Q12#8004", "90QA#21", "90Q1#213", "17991231", "90Q12#2",
                           "90Q12#800", "1799123110aA#221", "90Q1234A#21aA#221"}) {
    const std::string data(text);
    char guarded[64];
    std::memset(guarded, '7', sizeof guarded);
    std::memcpy(guarded, data.c_str(), data.size() + 1);
    char clean[64] = {};
    std::memcpy(clean, data.c_str(), data.size() + 1);

    std::vector<int16_t> capacities = {1184, 0};
    const EncodeTarget target = EncodeTarget::Composite(capacities.data());
    BitBuffer guardedBits{}, cleanBits{};
    int a = -1, b = -1;
    EXPECT_EQ(EncodeDataBits(target, guarded, guardedBits, a), databar::kEncodeOk) << text;
    EXPECT_EQ(EncodeDataBits(target, clean, cleanBits, b), databar::kEncodeOk) << text;
    EXPECT_EQ(a, b) << text;
    EXPECT_EQ(guardedBits, cleanBits) << text;
    for (size_t i = data.size() + 1; i < sizeof guarded; ++i) {
      ASSERT_EQ(guarded[i], '7') << text << " byte " << i;
    }
  }
}

TEST(GeneralPurpose, NumericPairsFnc1AndFinalDigit) {
  EXPECT_EQ(Encode("12#").bits.substr(0, 17), "0" + Bin(21, 7) +
                                                  "0000"
                                                  "01111");
  // A digit and FNC1 form a pair, as FNC1 and a digit do.
  EXPECT_EQ(Encode("1#").bits.substr(0, 12), "0" + Bin(1 * 11 + 10 + 8, 7) + "0000");
  EXPECT_EQ(Encode("5#A").bits.substr(0, 18),
            "0" + Bin(5 * 11 + 10 + 8, 7) + "0000" + Bin('A' - 33, 6));
  // A lone final digit goes in 4 bits only when 4 to 6 bits remain in the chosen size.
  EXPECT_EQ(Encode("123", {12, 0}).bits, "0" + Bin(21, 7) + Bin(4, 4));
  EXPECT_EQ(Encode("123", {14, 0}).bits, "0" + Bin(21, 7) + Bin(4, 4) + "00");
  // Otherwise it is paired with FNC1, then as many zeros as fit, at most 4.
  EXPECT_EQ(Encode("123", {17, 0}).bits, "0" + Bin(21, 7) + Bin(3 * 11 + 18, 7) + "00");
  EXPECT_EQ(Encode("123", {30, 0}).bits.substr(0, 19), "0" + Bin(21, 7) + Bin(51, 7) + "0000");
  // When the 7 bits do not fit the size that held the data, the next size is used, and the
  // zeros after them only fill it.
  EXPECT_EQ(Encode("123", {11, 20, 0}).size, 1);
  EXPECT_EQ(Encode("123", {11, 16, 0}).bits, "0" + Bin(21, 7) + Bin(51, 7) + "0");
}

TEST(GeneralPurpose, AlphanumericLatchesToNumericOnlyForLongDigitRuns) {
  const std::string prefix =
      "0"
      "0000"
      "100000";  // A in alphanumeric
  // Four digits that end the data: latch 000, then pairs.
  EXPECT_EQ(Encode("A1234").bits.substr(0, 11 + 3 + 14), prefix + "000" + Bin(21, 7) + Bin(45, 7));
  // Three digits at the end stay alphanumeric.
  EXPECT_EQ(Encode("A123").bits.substr(0, 11 + 15), prefix +
                                                        "00110"
                                                        "00111"
                                                        "01000");
  // Six digits in a row latch even when more follows; five do not.
  EXPECT_EQ(Encode("A123456B").bits.substr(11, 3), "000");
  EXPECT_EQ(Encode("A12345B").bits.substr(11, 5), "00110");
  // FNC1 counts with the digits: four to the end, or six in a row, latch.
  EXPECT_EQ(Encode("A1#23").bits.substr(11, 17), "000" + Bin(1 * 11 + 10 + 8, 7) + Bin(33, 7));
  EXPECT_EQ(Encode("A12#345B").bits.substr(11, 3), "000");
  EXPECT_EQ(Encode("A12#34B").bits.substr(11, 5), "00110");
  // At FNC1 itself there is no latch: FNC1 returns to numeric mode.
  EXPECT_EQ(Encode("A#1234").bits.substr(11, 5), "01111");
}

TEST(GeneralPurpose, Iso646RunsAndTheirWayBack) {
  const std::string a =
      "0"
      "0000"
      "00100" +
      Bin('a' - 7, 7);  // a in ISO/IEC 646
  // Five alphanumeric-class characters to the end: back to alphanumeric (00100).
  EXPECT_EQ(Encode("aABCDE").bits.substr(0, a.size() + 5 + 6), a + "00100"
                                                                   "100000");
  // Four: stay in ISO/IEC 646, A in 7 bits.
  EXPECT_EQ(Encode("aABCD").bits.substr(0, a.size() + 7), a + Bin('A' - 1, 7));
  // Four digits to the end: numeric (000).
  EXPECT_EQ(Encode("a1234").bits.substr(0, a.size() + 3 + 7), a + "000" + Bin(21, 7));
  // FNC1 counts as a digit: four leading digits and FNC1s, then an alphanumeric character.
  EXPECT_EQ(Encode("a1#22A").bits.substr(a.size(), 3 + 7 + 7),
            "000" + Bin(1 * 11 + 10 + 8, 7) + Bin(2 * 11 + 2 + 8, 7));
  // Ten alphanumeric-class characters in a row, four leading digits: numeric.
  EXPECT_EQ(Encode("a1234ABCDEFx").bits.substr(a.size(), 3), "000");
  // Punctuation codes.
  const std::string p =
      "0"
      "0000"
      "00100";
  EXPECT_EQ(Encode("!\"%/:?_ ").bits.substr(p.size(), 64),
            Bin(232, 8) + Bin(233, 8) + Bin(234, 8) + Bin(244, 8) + Bin(245, 8) + Bin(250, 8) +
                Bin(251, 8) + Bin(252, 8));
}

TEST(GeneralPurpose, Iso646RunThroughFnc1LatchesUnlessStayingMakesTheSymbolSmaller) {
  // aA#221: the run A, FNC1, 2, 2, 1 reaches the end. Latching costs 5 + 6 + 5 bits up to FNC1,
  // staying 7 + 5; 36 bits precede the final digit either way but the latch's.
  const std::string head =
      "0"
      "0000"
      "00100" +
      Bin('a' - 7, 7);
  const std::string stayed = head + Bin('A' - 1, 7) + "01111" + Bin(2 * 11 + 2 + 8, 7) + Bin(2, 4);
  EXPECT_EQ(Encode("aA#221", {40, 60, 0}).bits, stayed);
  // Where both fit the same size, the latch.
  EXPECT_EQ(Encode("aA#221", {60, 0}).bits.substr(head.size(), 11), "00100" + Bin('A' - 33, 6));
  EXPECT_EQ(Encode("aA#221", {40, 60, 0}, EncodeChoices::kStandardProcedure).size, 1);
  // Punctuation before FNC1 saves 2 bits a character in alphanumeric mode: three pay for the
  // latch, and the latch stays whatever the sizes.
  EXPECT_EQ(Encode("a.../#221", {40, 50, 60, 70, 0}).bits.substr(head.size(), 5), "00100");
}

// The shorter choices are tried first; where they do not make the symbol smaller, the text the
// method fields rewrote is put back and encoded again with the standard choices.
TEST(GeneralPurpose, ShorterChoicesThatGainNoSizeLeaveTheStandardEncodation) {
  for (const char* text : {"aA#221", "90Q1234A", "1799123110aA#221", "1799123aA#22ABC",
                           "90Q12#21aA#221", "90Q1234A#8004aA#221", "90Q12#8004"}) {
    const Encoded chosen = Encode(text);
    const Encoded standard = Encode(text, {1184, 0}, EncodeChoices::kStandardProcedure);
    EXPECT_EQ(chosen.bits, standard.bits) << text;
    EXPECT_EQ(chosen.text, standard.text) << text;
  }
}

TEST(GeneralPurpose, SeparatorCharacterCodes) {
  // '^' in alphanumeric mode is 111111, in ISO/IEC 646 11111101; both return to numeric.
  EXPECT_EQ(Encode("A^12").bits.substr(0, 11 + 6 + 7),
            "0"
            "0000"
            "100000"
            "111111" +
                Bin(21, 7));
  EXPECT_EQ(Encode("a^12").bits.substr(0, 17 + 8 + 7),
            "0"
            "0000"
            "00100" +
                Bin('a' - 7, 7) + "11111101" + Bin(21, 7));
  EXPECT_EQ(Encode("^").bits.substr(0, 11),
            "0"
            "0000"
            "111111");
}

TEST(Padding, FillsWithAlphanumericLatchesAndItsPrefix) {
  // 8 data bits, 4 zeros for the end of numeric data, then 00100 00100 and the prefix 001.
  EXPECT_EQ(Encode("12", {25, 0}).bits, "0" + Bin(21, 7) +
                                            "0000"
                                            "00100"
                                            "00100"
                                            "001");
  EXPECT_EQ(Encode("12", {16, 0}).bits, "0" + Bin(21, 7) +
                                            "0000"
                                            "0010");
}

TEST(SizeChoice, ExpandedCharacterCounts) {
  const EncodeTarget single = EncodeTarget::Expanded(22, nullptr);
  int chars = -1;
  EXPECT_EQ(single.RemainingBits(1, chars), 35);
  EXPECT_EQ(chars, 3);
  EXPECT_EQ(single.RemainingBits(36, chars), 0);
  EXPECT_EQ(chars, 3);
  EXPECT_EQ(single.RemainingBits(252, chars), 0);
  EXPECT_EQ(chars, 21);
  EXPECT_EQ(single.RemainingBits(253, chars), -1);
  // Four segments per row: 4 data characters and the check character would leave one character
  // alone in the last row, so a fifth data character is added.
  const EncodeTarget stacked = EncodeTarget::Expanded(4, nullptr);
  EXPECT_EQ(stacked.RemainingBits(48, chars), 12);
  EXPECT_EQ(chars, 5);
  // A segment count of 0 must not divide by zero.
  EXPECT_EQ(EncodeTarget::Expanded(0, nullptr).RemainingBits(48, chars), 0);
}

int StubExpandedMethod(CompositeEncodeState& state) {
  state.Write(4, 0b0000);
  return kNumericMode;
}

TEST(ExpandedTarget, RunsTheMethodHookAfterTheLinkageBit) {
  BitBuffer bits{};
  PutBits(bits, 0, 1, 1);  // the linkage flag, written by the caller
  char text[] = "12";
  int chars = -1;
  EXPECT_EQ(EncodeDataBits(EncodeTarget::Expanded(22, &StubExpandedMethod), text, bits, chars),
            databar::kEncodeOk);
  EXPECT_EQ(chars, 3);
  std::string written;
  for (int i = 0; i < 36; ++i)
    written += GetBit(bits, i) ? '1' : '0';
  EXPECT_EQ(written,
            "1"
            "0000" +
                Bin(21, 7) +
                "0000"
                "00100"
                "00100"
                "00100"
                "00100");

  char missing[] = "12";
  EXPECT_EQ(EncodeDataBits(EncodeTarget::Expanded(22, nullptr), missing, bits, chars),
            databar::kInternalOverflow);
}

TEST(BitBuffer, RefusesWritesOutsideTheBufferOrWiderThan16Bits) {
  BitBuffer bits{};
  EXPECT_EQ(PutBits(bits, 1180, 4, 0xF), databar::kEncodeOk);
  EXPECT_EQ(GetBit(bits, 1183), 1);
  for (auto [position, count] : {std::pair{1181, 4}, {-1, 2}, {0, 17}}) {
    BitBuffer before = bits;
    EXPECT_EQ(PutBits(bits, position, count, 0x1FFFF), databar::kInternalOverflow)
        << position << " " << count;
    EXPECT_EQ(bits, before);
  }
  EXPECT_EQ(GetBit(bits, 1184), 0);
}

// Fields are read three bytes at a time; the last bytes of the buffer and positions outside it
// take the careful way.
TEST(BitBuffer, ReadsFieldsBackAcrossBytesAndZerosOutsideTheBuffer) {
  BitBuffer bits{};
  for (int position : {3, 21, 600, kBitCapacity - 16})
    PutBits(bits, position, 16, 0xA5C3);
  for (int position : {3, 21, 600, kBitCapacity - 16})
    EXPECT_EQ(GetBits(bits, position, 16), 0xA5C3) << position;
  // A write keeps the bits around its field.
  PutBits(bits, 10, 4, 0);
  EXPECT_EQ(GetBits(bits, 3, 16), 0xA403);
  EXPECT_EQ(GetBits(bits, 0, 3), 0);
  EXPECT_EQ(GetBits(bits, 19, 2), 0);
  EXPECT_EQ(GetBits(bits, 0, 0), 0);
  EXPECT_EQ(GetBits(bits, kBitCapacity - 4, 8), 0x30);
  EXPECT_EQ(GetBits(bits, kBitCapacity, 16), 0);
  PutBits(bits, 0, 3, 0b111);
  EXPECT_EQ(GetBits(bits, -4, 8), 0xF);
}

TEST(Validation, RejectsCharactersWithoutAnEncoding) {
  EXPECT_EQ(FirstInvalidCharacter("10AB$C"), 4);
  EXPECT_EQ(ValidateData("10AB$C"), databar::kInvalidData);
  for (const char* text : {"10(AB)#21x^ _", "", "90A"}) {
    EXPECT_EQ(FirstInvalidCharacter(text), -1) << text;
    EXPECT_EQ(ValidateData(text), databar::kEncodeOk) << text;
  }
  EXPECT_EQ(ValidateData("10\xC3\xA9"), databar::kInvalidData);
}

}  // namespace
}  // namespace composite
