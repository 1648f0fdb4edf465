#include "panels/length_field.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace panels {

namespace {

bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads digits with an optional point, up to the first other character, as std::from_chars
// would, where the digits are few enough to be read exactly: up to 15 digits make a whole
// number a double holds exactly, and a power of ten up to 10^15 is exact too, so their quotient
// is the correctly rounded value. False, with nothing read, for longer numbers, an exponent, or
// no digits, which std::from_chars reads or refuses.
bool ReadShortDecimal(std::string_view text, double& value) {
  constexpr double kPowersOfTen[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  constexpr int kMostDigits = 15;
  uint64_t digits = 0;
  int count = 0;
  int decimals = -1;  // none until the point
  size_t i = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (++count > kMostDigits)
        return false;
      digits = digits * 10 + static_cast<uint64_t>(c - '0');
      if (decimals >= 0)
        ++decimals;
    } else if (c == '.' && decimals < 0) {
      decimals = 0;
    } else {
      break;
    }
  }
  if (count == 0 || (i < text.size() && (text[i] == 'e' || text[i] == 'E')))
    return false;
  value = static_cast<double>(digits) / kPowersOfTen[decimals < 0 ? 0 : decimals];
  return true;
}

}  // namespace

std::optional<double> ReadDecimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    negative = text[i++] == '-';
  // Only plain decimal notation: no "inf", "nan" or hexadecimal numbers.
  if (i == text.size() || !(IsDigit(text[i]) || text[i] == '.'))
    return std::nullopt;
  double value = 0;
  if (!ReadShortDecimal(text.substr(i), value)) {
    const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (error != std::errc())
      return std::nullopt;
  }
  return negative ? -value : value;
}

// The value in thousandths rounded half to even from its exact binary digits, as "%.3f" rounds,
// for magnitudes below 10^9; false for others.
bool ExactThousandths(double magnitude, uint64_t& thousandths) {
  if (!(magnitude < 1e9))
    return false;
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);  // magnitude = fraction * 2^exponent
  const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
  const int shift = 53 - exponent;  // magnitude = mantissa / 2^shift, shift > 23
  if (shift >= 64) {
    thousandths = 0;  // below 2^-11: under half a thousandth
    return true;
  }
  const uint64_t scaled = mantissa * 1000;  // below 2^63
  thousandths = scaled >> shift;
  const uint64_t rest = scaled & ((uint64_t{1} << shift) - 1);
  const uint64_t half = uint64_t{1} << (shift - 1);
  if (rest > half || (rest == half && (thousandths & 1) != 0))
    ++thousandths;
  return true;
}

// As "%.3f" writes it (the same digits and rounding), without printf's cost.
std::string FormatLength(double value) {
  uint64_t thousandths = 0;
  if (!ExactThousandths(std::fabs(value), thousandths)) {
    char text[400];  // room for the largest double in full
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
    return std::string(text, written.ptr);
  }
  char text[32];  // a sign, at most 20 digits, the point and three decimals
  char* out = text;
  if (std::signbit(value))
    *out++ = '-';
  out = std::to_chars(out, text + sizeof text - 4, thousandths / 1000).ptr;
  const auto fraction = static_cast<unsigned>(thousandths % 1000);
  *out++ = '.';
  *out++ = static_cast<char>('0' + fraction / 100);
  *out++ = static_cast<char>('0' + fraction / 10 % 10);
  *out++ = static_cast<char>('0' + fraction % 10);
  return std::string(text, out);
}

std::optional<LengthReading> ReadLength(std::string_view field, double upperBound) {
  const std::optional<double> read = ReadDecimal(field.substr(0, kLengthFieldCharacters));
  if (!read)
    return std::nullopt;
  LengthReading reading;
  reading.formatted = FormatLength(*read);
  reading.value = ReadDecimal(reading.formatted).value_or(0);
  if (!(reading.value >= kSmallestLength && reading.value <= upperBound))
    return std::nullopt;
  return reading;
}

bool AcceptLength(std::string& field, double upperBound, double& value, double lowerBound) {
  const std::optional<LengthReading> reading = ReadLength(field, upperBound);
  if (!reading || reading->value < lowerBound)
    return false;
  field = reading->formatted;
  value = reading->value;
  return true;
}

bool AcceptBarWidthReduction(std::string& field, double moduleWidth, double& value,
                             std::size_t characters) {
  const std::optional<double> read = ReadDecimal(std::string_view(field).substr(0, characters));
  if (!read)
    return false;
  // A negative zero reads as no reduction.
  const std::string formatted = FormatLength(*read == 0 ? 0.0 : *read);
  const double rounded = ReadDecimal(formatted).value_or(-1);
  if (!(rounded >= 0 && rounded < moduleWidth))
    return false;
  field = formatted;
  value = rounded;
  return true;
}

std::string MinimumText(double value) {
  return FormatLength(value).substr(0, kLengthFieldCharacters);
}

}  // namespace panels
