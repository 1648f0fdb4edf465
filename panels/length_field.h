// Length fields of the DataBar panels: a decimal number in millimetres typed into an edit
// control of at most 7 characters, normalised to three decimals.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace panels {

constexpr std::size_t kLengthFieldCharacters = 7;
constexpr double kSmallestLength = 0.1;
// The DataBar forms' bounds and module widths: the module width, the separators and the 2D rows
// go up to 9.999; a new form's module width, and the smallest one shown beside the field.
constexpr double kThinLengthLimit = 9.999;
inline constexpr char kDefaultModuleWidth[] = "0.353";
inline constexpr char kMinimumModuleWidth[] = "0.170";
// The bar width reduction's text when none is set.
inline constexpr char kNoBarWidthReduction[] = "0.000";

// The decimal number at the start of the text: leading blanks skipped, reading stops at the
// first character that cannot continue the number. No number at the start gives nothing.
std::optional<double> ReadDecimal(std::string_view text);

// "%.3f" of the value.
std::string FormatLength(double value);

struct LengthReading {
  double value = 0;       // rounded to three decimals
  std::string formatted;  // the value as "%.3f"
};

// Reads the first 7 characters of the field and rounds the number to three decimals; nothing
// when there is no number or the rounded value lies outside 0.1 .. upperBound.
std::optional<LengthReading> ReadLength(std::string_view field, double upperBound);

// Reads a length field for a create action: on success (a number within lowerBound ..
// upperBound once rounded) the field gets the normalised text and `value` the rounded number.
bool AcceptLength(std::string& field, double upperBound, double& value,
                  double lowerBound = kSmallestLength);

// Reads a bar width reduction field for a create action: the first `characters` characters, a
// number rounded to three decimals, at least 0 and below the module width. On success the field
// gets the normalised text and `value` the rounded number.
bool AcceptBarWidthReduction(std::string& field, double moduleWidth, double& value,
                             std::size_t characters = kLengthFieldCharacters);

// The text of a minimum shown beside a length field: "%.3f", cut to what a field can hold.
std::string MinimumText(double value);

}  // namespace panels
