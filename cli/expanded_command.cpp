// barquill expanded: one GS1 DataBar Expanded or Expanded Stacked symbol, made exactly as the
// Expanded panel's create button makes it: the options fill the panel's form, which validates
// them with the panel's rules and messages and creates the symbol at the centre of the document
// view.
#include <iostream>
#include <string>

#include "cli/command_report.h"
#include "cli/commands.h"
#include "cli/document_output.h"
#include "cli/form_actions.h"
#include "cli/length_options.h"
#include "cli/options.h"
#include "cli/pixel_module_width.h"
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
    kModuleWidthOption,
    {"height", "", "MM", "--height 13", "height of every linear row, 1 to 200 (default 34X)"},
    kSeparatorHeightOption,
    kCompositeRowHeightOption,
    {"stacked-separator-height", "", "MM", "--stacked-separator-height 0.4",
     "each of the three separator rows between stacked rows, 0.1 to 9.999 (default X)"},
    kBarWidthReductionOption,
    {"text", "", "MODE", "--text none",
     "the element strings under the symbol: frame or none (default frame)"},
    {"cc-text", "", "", "--cc-text", "show the 2D text above the 2D part"},
};

constexpr auto kOptions = JoinOptions(kSymbolOptions, kStrictOptions, kOutputOptions);

// The panel's code and 2D fields hold no more.
constexpr size_t kCompositeTextCharacters = 100;

std::string OptionOf(panels::ExpandedField field) {
  switch (field) {
    case panels::ExpandedField::kCode:
      return "--code";
    case panels::ExpandedField::kCompositeText:
      return "--cc";
    case panels::ExpandedField::kSegments:
      return "--segments";
    default:
      return LengthOptionOf(field);
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
    if (length.expandedField == panels::ExpandedField::kNone)
      continue;
    std::optional<std::string> value;
    if (const auto refused =
            ReadLengthOption(kReport, options, length.name, panels::kLengthFieldCharacters, value))
      return refused;
    const bool isModuleWidth = length.expandedField == panels::ExpandedField::kModuleWidth;
    if (isModuleWidth) {
      const std::string& current = form.lengths.moduleWidth;
      const std::string width =
          ModuleWidthForOutput(value.value_or(current), output, kReport, "--module-width");
      if (value || width != current)
        value = width;
    }
    if (!value)
      continue;
    form.lengths.*length.text = *value;
    if (isModuleWidth) {
      // The other lengths default to the minimums of this module width.
      form.RefreshMinimums();
      form.ApplyMinimums();
    }
  }
  return std::nullopt;
}

}  // namespace

int RunExpanded(std::span<const std::string_view> arguments) {
  ParsedOptions options;
  if (const auto ended = ReadArguments(kReport, arguments, kOptions, PrintHelp, options))
    return *ended;
  if (!options.has("code"))
    return kReport.BadInput("--code", kMsgRequired);
  OutputChoice output = ReadOutputOptions(options);
  if (output.error)
    return kReport.BadInput(output.option, *output.error);

  panels::ExpandedForm form;
  if (const auto refused = FillForm(options, output, form))
    return *refused;
  if (const auto refused =
          CheckAgainstMinimums<panels::ExpandedRequest>(kReport, form, options.has("strict")))
    return *refused;
  return output.dump ? DumpFormSymbol<panels::ExpandedRequest>(kReport, form, OptionOf)
                     : CreateFormSymbol(kReport, form, output, OptionOf);
}

}  // namespace cli
