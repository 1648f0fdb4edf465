#include "panels/length_field.h"

#include <charconv>
#include <cstdio>

namespace panels {

namespace {

bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
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
  const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), value);
  if (error != std::errc())
    return std::nullopt;
  return negative ? -value : value;
}

// As "%.3f" writes it (the same digits and rounding), without printf's cost.
std::string FormatLength(double value) {
  char text[400];  // room for the largest double in full
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
  return std::string(text, written.ptr);
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

std::string MinimumText(double value) {
  return FormatLength(value).substr(0, kLengthFieldCharacters);
}

}  // namespace panels
