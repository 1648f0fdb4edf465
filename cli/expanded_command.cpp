// barquill expanded: one GS1 DataBar Expanded or Expanded Stacked symbol, made exactly as the
// Expanded panel's create button makes it: the options fill the panel's form, which validates
// them with the panel's rules and messages and creates the symbol at the centre of the document
// view.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_report.h"
#include "cli/commands.h"
#include "cli/document_output.h"
#include "cli/exit_codes.h"
#include "cli/form_actions.h"
#include "cli/minimum_lengths.h"
#include "cli/options.h"
#include "cli/pixel_module_width.h"
#include "databar/gs1_databar_symbol.h"
#include "panels/element_string.h"
#include "panels/expanded_form.h"
#include "panels/length_field.h"

namespace cli {

namespace {

constexpr OptionDefinition kSymbolOptions[] = {
    {"code", "", "TEXT", "--code \"(01)98898765432106(3202)012345\"",
     "the element string as typed into the panel: (AI)data groups, \\( and \\) for parentheses "
     "in the data; at most 70 characters (required)"},
    {"segments", "", "N", "--segments 4",
     "segments per row, 2, 4, ..., 22; fewer than the symbol has stack it "
     "(default 22)"},
    {"cc", "", "TEXT", "--cc \"(21)X1\"",
     "the 2D data as typed into the panel: AIs and data, ( ) shown only, # FNC1, ^ separator "
     "character, $ line break of the 2D text; at most 100 characters (default: no 2D part)"},
    {"module-width", "", "MM", "--module-width 0.33mm",
     "module width X, 0.1 to 9.999 (default 0.353); every length is in millimetres and may end "
     "in mm"},
    {"height", "", "MM", "--height 13", "height of every linear row, 1 to 200 (default 34X)"},
    {"separator-height", "", "MM", "--separator-height 0.5",
     "separator between the linear part and the 2D part, 0.1 to 9.999 (default X)"},
    {"cc-row-height", "", "MM", "--cc-row-height 0.7",
     "height of one 2D row, 0.1 to 9.999 (default 2X)"},
    {"stacked-separator-height", "", "MM", "--stacked-separator-height 0.4",
     "each of the three separator rows between stacked rows, 0.1 to 9.999 (default X)"},
    {"bar-width-reduction", "", "MM", "--bar-width-reduction 0.02",
     "every bar drawn this much narrower, half at each edge, for printing that spreads ink; "
     "0 up to below X (default 0)"},
    {"text", "", "MODE", "--text none",
     "the element strings under the symbol: frame or none (default frame)"},
    {"cc-text", "", "", "--cc-text", "show the 2D text above the 2D part"},
};

constexpr auto kOptions = JoinOptions(kSymbolOptions, kStrictOptions, kOutputOptions);

// The panel's code and 2D fields hold no more.
constexpr size_t kCompositeTextCharacters = 100;

// The length options and the form fields they fill, the module width first.
struct LengthOption {
  std::string_view option;
  std::string panels::DataBarLengthTexts::*field;
  panels::ExpandedField focus;
};

constexpr LengthOption kLengthOptions[] = {
    {"module-width", &panels::DataBarLengthTexts::moduleWidth, panels::ExpandedField::kModuleWidth},
    {"height", &panels::DataBarLengthTexts::height, panels::ExpandedField::kHeight},
    {"separator-height", &panels::DataBarLengthTexts::separatorHeight,
     panels::ExpandedField::kSeparatorHeight},
    {"cc-row-height", &panels::DataBarLengthTexts::compositeRowHeight,
     panels::ExpandedField::kCompositeRowHeight},
    {"stacked-separator-height", &panels::DataBarLengthTexts::stackedSeparatorHeight,
     panels::ExpandedField::kStackedSeparatorHeight},
    {"bar-width-reduction", &panels::DataBarLengthTexts::barWidthReduction,
     panels::ExpandedField::kBarWidthReduction},
};

std::string OptionOf(panels::ExpandedField field) {
  switch (field) {
    case panels::ExpandedField::kCode:
      return "--code";
    case panels::ExpandedField::kCompositeText:
      return "--cc";
    case panels::ExpandedField::kSegments:
      return "--segments";
    case panels::ExpandedField::kNone:
      return "";
    default:
      for (const LengthOption& length : kLengthOptions) {
        if (length.focus == field)
          return "--" + std::string(length.option);
      }
      return "";
  }
}

constexpr CommandReport kReport("expanded");

void PrintHelp() {
  std::cout << "usage: barquill expanded --code TEXT [--segments N] [--cc TEXT] [options] "
               "(-o FILE | --dump)\n\n"
               "Creates one GS1 DataBar Expanded symbol (Expanded Stacked when it has more "
               "segments than\n--segments) at the centre of a new document, as the GS1 DataBar "
               "Expanded panel's create\nbutton does, and writes the document at true size. "
               "Lengths are in millimetres; the lengths\nnot given are the panel's minimums for "
               "the module width. A length below its minimum is\ndrawn with a warning (refused "
               "with --strict).\n\nexample: barquill expanded --code "
               "\"(01)98898765432106(3202)012345\" --segments 4 -o symbol.svg\n\noptions:\n";
  PrintOptionHelp(std::cout, kOptions);
}

std::optional<int> ReadSegments(const ParsedOptions& options, int& segments) {
  const std::optional<std::string> text = options.value("segments");
  if (!text)
    return std::nullopt;
  for (int entry = panels::kMinSegmentsPerRow; entry <= panels::kMaxSegmentsPerRow; entry += 2) {
    if (*text == std::to_string(entry)) {
      segments = entry;
      return std::nullopt;
    }
  }
  return kReport.BadInput("--segments", kMsgExpectedSegments);
}

// Fills the form from the options, its module width fitted to the output. Returns the exit
// status of a refusal, or nothing.
std::optional<int> FillForm(const ParsedOptions& options, OutputChoice& output,
                            panels::ExpandedForm& form) {
  form.ApplyDefaults();
  form.code = options.value("code").value_or("");
  if (form.code.size() > static_cast<size_t>(panels::kMaxCodeLength))
    return kReport.BadInput("--code", kMsgCodeTooManyCharacters);
  form.compositeText = options.value("cc").value_or("");
  if (form.compositeText.size() > kCompositeTextCharacters)
    return kReport.BadInput("--cc", kMsgCompositeTooManyCharacters);
  if (const auto refused = ReadSegments(options, form.segmentsPerRow))
    return refused;

  const std::string text = options.value("text").value_or("frame");
  if (text != "frame" && text != "none")
    return kReport.BadInput("--text", kMsgExpectedFrameOrNone);
  form.showText = text == "frame";
  form.showCompositeText = options.has("cc-text");

  for (const LengthOption& length : kLengthOptions) {
    std::optional<std::string> value = options.value(length.option);
    if (value)
      value = LengthFieldText(*value);
    if (value && value->size() > panels::kLengthFieldCharacters)
      return kReport.BadInput("--" + std::string(length.option), kMsgFieldCharacters,
                              {std::to_string(panels::kLengthFieldCharacters)});
    const bool isModuleWidth = length.focus == panels::ExpandedField::kModuleWidth;
    if (isModuleWidth) {
      const std::string& current = form.lengths.moduleWidth;
      const std::string width =
          ModuleWidthForOutput(value.value_or(current), output, kReport, "--module-width");
      if (value || width != current)
        value = width;
    }
    if (!value)
      continue;
    form.lengths.*length.field = *value;
    if (isModuleWidth) {
      // The other lengths default to the minimums of this module width.
      form.RefreshMinimums();
      form.ApplyMinimums();
    }
  }
  return std::nullopt;
}

// The lengths the form accepts against the minimums it shows; the 2D part's lengths only with 2D
// data.
std::optional<int> CheckAgainstMinimums(const panels::ExpandedForm& form, bool strict) {
  panels::ExpandedForm validated = form;
  panels::ExpandedRequest accepted;
  if (validated.Validate(accepted))
    return std::nullopt;  // refused with the form's message when it is run
  const panels::DataBarLengths& value = accepted.lengths;
  const panels::DataBarLengthTexts& minimum = form.minimums;
  const bool composite = !form.compositeText.empty();
  const LengthAgainstMinimum lengths[] = {
      {"--module-width", value.moduleWidth, minimum.moduleWidth},
      {"--height", value.height, minimum.height},
      {"--separator-height", value.separatorHeight, composite ? minimum.separatorHeight : ""},
      {"--cc-row-height", value.compositeRowHeight, composite ? minimum.compositeRowHeight : ""},
      {"--stacked-separator-height", value.stackedSeparatorHeight, minimum.stackedSeparatorHeight},
  };
  return CheckMinimums(kReport, lengths, strict);
}

int Dump(panels::ExpandedForm& form) {
  panels::ExpandedRequest accepted;
  if (const auto failure = form.Validate(accepted))
    return kReport.Refused(OptionOf(failure->focus), failure->message, failure->english);
  PrintGs1Warnings(kReport, form.Gs1Warnings());
  return DumpModuleRows(
      kReport,
      [&](databar::CGS1DataBarSymbol& symbol) { return form.Encode(symbol, accepted, {}); },
      [&](int32_t result) -> std::optional<int> {
        if (const auto failure = form.EncodedFailure(accepted, result))
          return kReport.Refused(OptionOf(failure->focus), failure->message, failure->english);
        return std::nullopt;
      });
}

int Create(panels::ExpandedForm& form, OutputChoice& output) {
  return CreateAndWrite<panels::DataBarResult>(
      kReport, output,
      [&] {
        const auto result = form.CreateSymbol();
        // The module width the form accepted, in points.
        if (result.outcome == panels::DataBarOutcome::kCreated) {
          FitModuleToPixels(output, *panels::ReadDecimal(form.lengths.moduleWidth) * 72 / 25.4);
          PrintGs1Warnings(kReport, form.Gs1Warnings());
        }
        return result;
      },
      [&](const panels::DataBarResult& result) {
        return DataBarRefusal(kReport, result, OptionOf(form.focus));
      });
}

}  // namespace

int RunExpanded(std::span<const std::string_view> arguments) {
  const ParseResult parsed = ParseOptions(arguments, kOptions);
  if (parsed.error)
    return kReport.Unusable(*parsed.error);
  const ParsedOptions& options = parsed.options;
  if (options.has("help")) {
    PrintHelp();
    return kExitOk;
  }
  if (!options.has("code"))
    return kReport.BadInput("--code", kMsgRequired);
  OutputChoice output = ReadOutputOptions(options);
  if (output.error)
    return kReport.BadInput(output.option, *output.error);

  panels::ExpandedForm form;
  if (const auto refused = FillForm(options, output, form))
    return *refused;
  if (const auto refused = CheckAgainstMinimums(form, options.has("strict")))
    return *refused;
  return output.dump ? Dump(form) : Create(form, output);
}

}  // namespace cli
