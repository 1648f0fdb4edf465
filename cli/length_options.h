// The length options of the symbol subcommands: the one table of the GS1 DataBar and Expanded
// subcommands' length options with the form fields they fill and focus, how a length option's
// text reaches its field, and the lengths a form accepted against the minimums it shows beside
// its fields, which are the GS1 minimums for the chosen module width: a length below its minimum
// is drawn as given, with a warning on standard error naming the length and its minimum; under
// --strict the command refuses instead.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/command_report.h"
#include "cli/options.h"
#include "panels/databar_form.h"
#include "panels/expanded_form.h"

namespace cli {

inline constexpr OptionDefinition kStrictOptions[] = {
    {"strict", "", "", "--strict",
     "refuse a length below its minimum (the panel's shown minimum, the GS1 minimum) instead of "
     "drawing it with a warning"},
};

// The definitions of the length options whose help the GS1 DataBar and Expanded commands share.
inline constexpr OptionDefinition kModuleWidthOption = {
    "module-width", "", "MM", "--module-width 0.33mm",
    "module width X, 0.1 to 9.999 (default 0.353); every length is in millimetres and may end "
    "in mm"};
inline constexpr OptionDefinition kSeparatorHeightOption = {
    "separator-height", "", "MM", "--separator-height 0.5",
    "separator between the linear part and the 2D part, 0.1 to 9.999 (default X)"};
inline constexpr OptionDefinition kCompositeRowHeightOption = {
    "cc-row-height", "", "MM", "--cc-row-height 0.7",
    "height of one 2D row, 0.1 to 9.999 (default 2X)"};
inline constexpr OptionDefinition kBarWidthReductionOption = {
    "bar-width-reduction", "", "MM", "--bar-width-reduction 0.02",
    "every bar drawn this much narrower, half at each edge, for printing that spreads ink; "
    "0 up to below X (default 0)"};

// A length option of the GS1 DataBar and Expanded subcommands.
struct LengthOption {
  std::string_view name;  // the long name, without its dashes
  std::string panels::DataBarLengthTexts::*text;
  double panels::DataBarLengths::*value;
  panels::DataBarField dataBarField;
  panels::ExpandedField expandedField;  // kNone: the Expanded form has no such length
  bool compositeOnly = false;           // its minimum counts only with 2D data

  std::string option() const { return "--" + std::string(name); }
};

// In the order of the forms' rows, which is the order the minimums are checked in; the bar width
// reduction, which has no minimum, last.
inline constexpr LengthOption kLengthOptions[] = {
    {"module-width", &panels::DataBarLengthTexts::moduleWidth, &panels::DataBarLengths::moduleWidth,
     panels::DataBarField::kModuleWidth, panels::ExpandedField::kModuleWidth},
    {"height", &panels::DataBarLengthTexts::height, &panels::DataBarLengths::height,
     panels::DataBarField::kHeight, panels::ExpandedField::kHeight},
    {"separator-height", &panels::DataBarLengthTexts::separatorHeight,
     &panels::DataBarLengths::separatorHeight, panels::DataBarField::kSeparatorHeight,
     panels::ExpandedField::kSeparatorHeight, true},
    {"cc-row-height", &panels::DataBarLengthTexts::compositeRowHeight,
     &panels::DataBarLengths::compositeRowHeight, panels::DataBarField::kCompositeRowHeight,
     panels::ExpandedField::kCompositeRowHeight, true},
    {"stacked-separator-height", &panels::DataBarLengthTexts::stackedSeparatorHeight,
     &panels::DataBarLengths::stackedSeparatorHeight, panels::DataBarField::kStackedSeparatorHeight,
     panels::ExpandedField::kStackedSeparatorHeight},
    {"second-row-height", &panels::DataBarLengthTexts::secondRowHeight,
     &panels::DataBarLengths::secondRowHeight, panels::DataBarField::kSecondRowHeight,
     panels::ExpandedField::kNone},
    {"bar-width-reduction", &panels::DataBarLengthTexts::barWidthReduction,
     &panels::DataBarLengths::barWidthReduction, panels::DataBarField::kBarWidthReduction,
     panels::ExpandedField::kBarWidthReduction},
};

// The option of a length field, with its dashes; empty for a field that is not a length.
std::string LengthOptionOf(panels::DataBarField field);
std::string LengthOptionOf(panels::ExpandedField field);

// The text the length option gives its field (LengthFieldText), left as it is when the option is
// not given. A text longer than the field's `characters` is refused: returns the exit status of
// that refusal, else nothing.
std::optional<int> ReadLengthOption(const CommandReport& report, const ParsedOptions& options,
                                    std::string_view name, size_t characters,
                                    std::optional<std::string>& text);

// Warns for each accepted length below the minimum the form shows (none where the minimum is
// empty; the 2D part's lengths only with 2D data), or under `strict` refuses at the first one:
// returns the exit status of that refusal, else nothing.
std::optional<int> CheckMinimums(const CommandReport& report,
                                 const panels::DataBarLengths& accepted,
                                 const panels::DataBarLengthTexts& minimums, bool composite,
                                 bool strict);

inline const panels::DataBarLengths& LengthsOf(const panels::DataBarLengths& accepted) {
  return accepted;
}
inline const panels::DataBarLengths& LengthsOf(const panels::ExpandedRequest& accepted) {
  return accepted.lengths;
}

// The lengths a GS1 DataBar or Expanded form accepts against the minimums it shows. A form that
// refuses its fields is left to be refused with its own message when it is run.
template <typename Request, typename Form>
std::optional<int> CheckAgainstMinimums(const CommandReport& report, const Form& form,
                                        bool strict) {
  Form validated = form;
  Request accepted;
  if (validated.Validate(accepted))
    return std::nullopt;
  return CheckMinimums(report, LengthsOf(accepted), form.minimums, !form.compositeText.empty(),
                       strict);
}

}  // namespace cli
