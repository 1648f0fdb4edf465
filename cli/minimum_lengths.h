// Lengths below the minimums the panels show beside their fields, which are the GS1 minimums for
// the chosen module width: the symbol is drawn as given, with a warning on standard error naming
// the length and its minimum; under --strict the command refuses instead.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/command_report.h"
#include "cli/options.h"

namespace cli {

inline constexpr OptionDefinition kStrictOptions[] = {
    {"strict", "", "", "--strict",
     "refuse a length below its minimum (the panel's shown minimum, the GS1 minimum) instead of "
     "drawing it with a warning"},
};

struct LengthAgainstMinimum {
  std::string_view option;  // with its dashes
  double value;             // millimetres, as the form accepted it
  std::string minimum;      // the panel's minimum text; empty where the length has none
};

// Warns for each length below its minimum, or under `strict` refuses at the first one: returns
// the exit status of that refusal, else nothing.
std::optional<int> CheckMinimums(const CommandReport& report,
                                 std::span<const LengthAgainstMinimum> lengths, bool strict);

}  // namespace cli
