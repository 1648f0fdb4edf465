#include "cli/length_options.h"

#include "panels/length_field.h"

namespace cli {

namespace {

// Both sides hold three decimals; the margin only absorbs their binary representation.
constexpr double kRoundingMargin = 1e-9;

}  // namespace

std::string LengthOptionOf(panels::DataBarField field) {
  for (const LengthOption& length : kLengthOptions) {
    if (length.dataBarField == field)
      return length.option();
  }
  return "";
}

std::string LengthOptionOf(panels::ExpandedField field) {
  for (const LengthOption& length : kLengthOptions) {
    if (length.expandedField == field && field != panels::ExpandedField::kNone)
      return length.option();
  }
  return "";
}

std::optional<int> ReadLengthOption(const CommandReport& report, const ParsedOptions& options,
                                    std::string_view name, size_t characters,
                                    std::optional<std::string>& text) {
  const std::optional<std::string> value = options.value(name);
  if (!value)
    return std::nullopt;
  std::string fieldText = LengthFieldText(*value);
  if (fieldText.size() > characters)
    return report.BadInput("--" + std::string(name), kMsgFieldCharacters,
                           {std::to_string(characters)});
  text = std::move(fieldText);
  return std::nullopt;
}

std::optional<int> CheckMinimums(const CommandReport& report,
                                 const panels::DataBarLengths& accepted,
                                 const panels::DataBarLengthTexts& minimums, bool composite,
                                 bool strict) {
  for (const LengthOption& length : kLengthOptions) {
    const std::string& minimumText = minimums.*length.text;
    const std::optional<double> minimum = panels::ReadDecimal(minimumText);
    const double value = accepted.*length.value;
    if ((length.compositeOnly && !composite) || minimumText.empty() || !minimum ||
        value >= *minimum - kRoundingMargin)
      continue;
    const std::string option = length.option();
    const panels::MessageLines message =
        panels::BothLanguages(strict ? kMsgBelowMinimumRefused : kMsgBelowMinimum,
                              {option, panels::FormatLength(value), minimumText});
    if (strict)
      return report.BadInput("", message);
    report.Warn(message);
  }
  return std::nullopt;
}

}  // namespace cli
