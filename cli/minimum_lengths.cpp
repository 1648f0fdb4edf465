#include "cli/minimum_lengths.h"

#include "panels/length_field.h"

namespace cli {

namespace {

// Both sides hold three decimals; the margin only absorbs their binary representation.
constexpr double kRoundingMargin = 1e-9;

}  // namespace

std::optional<int> CheckMinimums(const CommandReport& report,
                                 std::span<const LengthAgainstMinimum> lengths, bool strict) {
  for (const LengthAgainstMinimum& length : lengths) {
    const std::optional<double> minimum = panels::ReadDecimal(length.minimum);
    if (length.minimum.empty() || !minimum || length.value >= *minimum - kRoundingMargin)
      continue;
    const panels::MessageLines message =
        panels::BothLanguages(strict ? kMsgBelowMinimumRefused : kMsgBelowMinimum,
                              {length.option, panels::FormatLength(length.value), length.minimum});
    if (strict)
      return report.BadInput("", message);
    report.Warn(message);
  }
  return std::nullopt;
}

}  // namespace cli
