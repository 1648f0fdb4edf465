// The writers' numbers are the shortest texts that read back as exactly the value: as the
// single-precision number for values that are one (the document's coordinates), else as the
// double.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "emulator/svg_number.h"

namespace {

std::string Appended(double value) {
  std::string text = "x";
  emulator::AppendNumber(text, value);
  return text.substr(1);
}

// The text read back in the precision it was written for, and its length against the shortest
// text std::to_chars finds for that precision.
void ExpectShortestExact(double value) {
  const std::string text = Appended(value);
  char shortest[64];
  if (static_cast<double>(static_cast<float>(value)) == value) {
    ASSERT_EQ(std::strtof(text.c_str(), nullptr), static_cast<float>(value)) << text;
    const auto end = std::to_chars(shortest, shortest + sizeof shortest, static_cast<float>(value));
    ASSERT_EQ(text, std::string(shortest, end.ptr)) << value;
  } else {
    ASSERT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
    const auto end = std::to_chars(shortest, shortest + sizeof shortest, value);
    ASSERT_EQ(text, std::string(shortest, end.ptr)) << value;
  }
}

TEST(SvgNumber, ReadsBackExactlyInTheShortestText) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> decades(-12, 12);
  for (int i = 0; i < 200000; ++i) {
    const double value = std::pow(10.0, decades(random)) * (i % 2 == 0 ? 1 : -1);
    ExpectShortestExact(value);
    // Page coordinates come from single-precision values.
    ExpectShortestExact(static_cast<float>(value));
    // Host fixed-point positions, which single precision holds exactly below 256.
    ExpectShortestExact(static_cast<double>(random() % 100'000'000) / 65536.0 - 500);
  }
}

TEST(SvgNumber, SinglePrecisionValuesNeedNoMoreDigitsThanTheyHold) {
  EXPECT_EQ(Appended(static_cast<float>(0.1)), "0.1");
  EXPECT_EQ(Appended(0.1), "0.1");
  EXPECT_EQ(Appended(static_cast<float>(2.83464567)), "2.8346457");
  EXPECT_EQ(Appended(306), "306");
  EXPECT_EQ(Appended(-396), "-396");
  EXPECT_EQ(Appended(1.0 / 65536), "1.5258789e-05");
  // 1/3 in double is no single-precision value: all of the double's digits are needed.
  EXPECT_EQ(Appended(1.0 / 3), "0.3333333333333333");
}

// Most page coordinates take a quicker path than the general search; its text must be the same
// wherever it is taken: across the page's range, and where plain and scientific notation meet,
// where six decimals stop being enough, and beside the powers of ten.
TEST(SvgNumber, SinglePrecisionTextsEqualTheGeneralSearch) {
  const auto expectSame = [](float single) {
    char text[emulator::kMostNumberCharacters];
    char general[64];
    const char* end = emulator::WriteNumber(text, single);
    const char* generalEnd = std::to_chars(general, general + sizeof general, single).ptr;
    ASSERT_EQ(std::string(static_cast<const char*>(text), end),
              std::string(static_cast<const char*>(general), generalEnd))
        << single;
  };
  for (uint32_t bits = std::bit_cast<uint32_t>(256.0f); bits < std::bit_cast<uint32_t>(512.0f);
       bits += 5) {
    expectSame(std::bit_cast<float>(bits));
    expectSame(-std::bit_cast<float>(bits));
  }
  for (double edge = 1e-4; edge <= 1e8; edge *= 10) {
    for (const double multiple : {1.0, 2.0, 5.0, 9.5, 1.25}) {
      float single = static_cast<float>(edge * multiple);
      for (int i = 0; i < 300; ++i)
        single = std::nextafter(single, 0.0f);
      for (int i = 0; i < 600; ++i) {
        expectSame(single);
        single = std::nextafter(single, INFINITY);
      }
    }
  }
}

TEST(SvgNumber, EdgesOfNotation) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  for (const double value : {0.0, -0.0, 1e-4, 9.99999999e-5, 1e9, 999999999.5, 0.5, 2.5, 1e300,
                             5e-324, 1e-45, 3.4028234663852886e38}) {
    ExpectShortestExact(value);
  }
  EXPECT_EQ(Appended(0.0), "0");
  EXPECT_EQ(Appended(-0.0), "-0");
  EXPECT_EQ(Appended(kInfinity), "inf");
  EXPECT_EQ(Appended(-kInfinity), "-inf");
  // Path data puts a space before a number unless its text begins with '-', which it reads from
  // the sign bit before writing the number.
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  for (const double value :
       {0.0, -0.0, 5e-324, -5e-324, -1e-300, -0.25, 3.5, kInfinity, -kInfinity, kNaN, -kNaN}) {
    EXPECT_EQ(Appended(value).starts_with('-'), std::signbit(value)) << value;
  }
}

// The writer remembers recent numbers by their bits: values that share a slot, zeros of either
// sign and numbers written again after others must all come out as AppendNumber writes them.
TEST(SvgNumber, RememberedNumbersAreWrittenAsNew) {
  std::mt19937_64 random(11);
  std::vector<double> values = {0.0, -0.0, 1e-5, -1e-5, 1e12, 35.8554281, 2.83464567};
  std::uniform_real_distribution<double> page(-1000, 1000);
  for (int i = 0; i < 300; ++i)
    values.push_back(static_cast<float>(page(random)));
  emulator::NumberWriter writer;
  std::uniform_int_distribution<size_t> pick(0, values.size() - 1);
  for (int i = 0; i < 100000; ++i) {
    const double value = values[pick(random)];
    char text[emulator::kMostNumberCharacters];
    const char* end = writer.Write(text, value);
    ASSERT_EQ(std::string(static_cast<const char*>(text), end), Appended(value)) << value;
  }
}

}  // namespace
