// The writers' numbers are exactly what printf's "%.9g" writes, which they used to call: the same
// digits, the same rounding of exact halves, the same switch to exponent notation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "emulator/svg_number.h"

namespace {

std::string Printf(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

std::string Appended(double value) {
  std::string text = "x";
  emulator::AppendNumber(text, value);
  return text.substr(1);
}

TEST(SvgNumber, WritesWhatPrintfWrites) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> decades(-12, 12);
  for (int i = 0; i < 200000; ++i) {
    const double value = std::pow(10.0, decades(random)) * (i % 2 == 0 ? 1 : -1);
    ASSERT_EQ(Appended(value), Printf(value)) << value;
    // Page coordinates come from single-precision values.
    const double single = static_cast<float>(value);
    ASSERT_EQ(Appended(single), Printf(single)) << single;
    // Host fixed-point positions.
    const double fixed = static_cast<double>(random() % 100'000'000) / 65536.0 - 500;
    ASSERT_EQ(Appended(fixed), Printf(fixed)) << fixed;
  }
}

TEST(SvgNumber, EdgesOfRoundingAndNotation) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  for (const double value :
       {0.0,         -0.0,        1e-4,        9.99999999e-5, 0.000099999999995, 1e9,   999999999.5,
        999999999.4, 99999999.99, 99999999.95, 123456789.5,   123456788.5,       0.5,   2.5,
        1e8,         100.0,       0.1,         12345678.95,   1.00000000049999,  1e300, 5e-324,
        kInfinity,   -kInfinity}) {
    EXPECT_EQ(Appended(value), Printf(value)) << value;
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
