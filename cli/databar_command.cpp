// barquill databar: one GS1 DataBar symbol, made exactly as the GS1 DataBar panel's create button
// makes it: the options fill the panel's form, which validates them with the panel's rules and
// messages and creates the symbol at the centre of the document view.
#include <iostream>
#include <string>

#include "cli/command_report.h"
#include "cli/commands.h"
#include "cli/document_output.h"
#include "cli/form_actions.h"
#include "cli/length_options.h"
#include "cli/options.h"
#include "cli/pixel_module_width.h"
#include "panels/databar_form.h"
#include "panels/length_field.h"

namespace cli {

namespace {

constexpr OptionDefinition kSymbolOptions[] = {
    {"type", "", "TYPE", "--type stacked",
     "omnidirectional, truncated, stacked, stacked-omnidirectional or limited (default "
     "omnidirectional, as the panel's type list)"},
    {"code", "", "DIGITS", "--code 2001234567890",
     "the 13-digit item number, without its check digit (required)"},
    {"cc", "", "TEXT", "--cc \"(17)991231(10)LOT1\"",
     "the 2D data as typed into the panel: AIs and data, ( ) shown only, # FNC1, ^ separator "
     "character, $ line break of the 2D text; at most 100 characters (default: no 2D part)"},
    kModuleWidthOption,
    {"height", "", "MM", "--height 20",
     "height of the (upper) linear row, 0.1 to 200 (default: the minimum)"},
    kSeparatorHeightOption,
    kCompositeRowHeightOption,
    {"stacked-separator-height", "", "MM", "--stacked-separator-height 0.4",
     "stacked types: separator between the two linear rows, 0.1 to 9.999 (default X)"},
    {"second-row-height", "", "MM", "--second-row-height 8",
     "stacked types: height of the lower linear row, 0.1 to 200 (default: the minimum)"},
    kBarWidthReductionOption,
};

constexpr auto kOptions = JoinOptions(kSymbolOptions, kTextOptions, kStrictOptions, kOutputOptions);

// The panel's 2D field holds no more.
constexpr size_t kCompositeTextCharacters = 100;

struct TypeName {
  std::string_view name;
  int32_t type;
};

constexpr TypeName kTypes[] = {
    {"omnidirectional", databar::kOmnidirectional},
    {"truncated", databar::kTruncated},
    {"stacked", databar::kStacked},
    {"stacked-omnidirectional", databar::kStackedOmnidirectional},
    {"limited", databar::kLimited},
};

std::string OptionOf(panels::DataBarField field) {
  switch (field) {
    case panels::DataBarField::kItemNumber:
      return "--code";
    case panels::DataBarField::kCompositeText:
      return "--cc";
    default:
      return LengthOptionOf(field);
  }
}

constexpr CommandReport kReport("databar");

void PrintHelp() {
  std::cout << "usage: barquill databar [--type TYPE] --code DIGITS [--cc TEXT] [options] "
               "(-o FILE | --dump)\n\n"
               "Creates one GS1 DataBar symbol at the centre of a new document, as the GS1 "
               "DataBar panel's\ncreate button does, and writes the document at true size. "
               "Lengths are in millimetres; the\nlengths not given are the panel's minimums for "
               "the type and module width. A length below\nits minimum is drawn with a warning "
               "(refused with --strict).\n\nexample: barquill databar --type stacked --code "
               "2001234567890 --cc \"(17)991231(10)LOT1\" -o symbol.svg\n\noptions:\n";
  PrintOptionHelp(std::cout, kOptions);
}

// Fills the form from the options, its module width fitted to the output. Returns the exit
// status of a refusal, or nothing.
std::optional<int> FillForm(const ParsedOptions& options, OutputChoice& output,
                            panels::DataBarForm& form) {
  for (const TypeName& type : kTypes) {
    if (options.value("type") == type.name)
      form.type = type.type;
  }
  form.ApplyDefaults();
  form.itemNumber = options.value("code").value_or("");
  form.RefreshCheckDigit();
  form.compositeText = options.value("cc").value_or("");
  if (form.compositeText.size() > kCompositeTextCharacters)
    return kReport.BadInput("--cc", kMsgCompositeTooManyCharacters);

  const TextOptionsReading text = ReadTextOptions(options);
  if (text.error)
    return kReport.BadInput(text.option, *text.error);
  form.showText = text.flags.showText != 0;
  form.textAsOutlines = text.flags.textAsOutlines != 0;
  form.fitText = text.flags.fitText != 0;
  form.textAsFrame = text.flags.textAsFrame != 0;
  form.showCompositeText = text.flags.showCompositeText != 0;

  std::optional<std::string> moduleWidth = options.value("module-width");
  if (moduleWidth)
    moduleWidth = LengthFieldText(*moduleWidth);
  if (moduleWidth && moduleWidth->size() > panels::kLengthFieldCharacters)
    return kReport.Refused("--module-width", form.MessageFor(panels::DataBarField::kModuleWidth));
  const std::string width = ModuleWidthForOutput(moduleWidth.value_or(form.lengths.moduleWidth),
                                                 output, kReport, "--module-width");
  if (moduleWidth || width != form.lengths.moduleWidth) {
    form.lengths.moduleWidth = width;
    form.RefreshMinimums();
    form.ApplyMinimums();
  }
  for (const LengthOption& length : kLengthOptions) {
    std::optional<std::string> value = options.value(length.name);
    if (!value || length.dataBarField == panels::DataBarField::kModuleWidth)
      continue;
    value = LengthFieldText(*value);
    const std::string option = length.option();
    const bool stackedOnly = length.dataBarField == panels::DataBarField::kStackedSeparatorHeight ||
                             length.dataBarField == panels::DataBarField::kSecondRowHeight;
    if (stackedOnly && !form.IsStackedType()) {
      return kReport.BadInput(option, kMsgStackedOnly);
    }
    if (value->size() > panels::kLengthFieldCharacters) {
      return kReport.Refused(option, form.MessageFor(length.dataBarField));
    }
    form.lengths.*length.text = *value;
  }
  return std::nullopt;
}

}  // namespace

int RunDataBar(std::span<const std::string_view> arguments) {
  ParsedOptions options;
  if (const auto ended = ReadArguments(kReport, arguments, kOptions, PrintHelp, options))
    return *ended;

  const std::string type = options.value("type").value_or("omnidirectional");
  bool knownType = false;
  for (const TypeName& name : kTypes)
    knownType = knownType || type == name.name;
  if (!knownType)
    return kReport.BadInput("--type", kMsgExpectedType);

  OutputChoice output = ReadOutputOptions(options);
  if (output.error)
    return kReport.BadInput(output.option, *output.error);

  panels::DataBarForm form;
  if (const auto refused = FillForm(options, output, form))
    return *refused;
  if (const auto refused =
          CheckAgainstMinimums<panels::DataBarLengths>(kReport, form, options.has("strict")))
    return *refused;
  return output.dump ? DumpFormSymbol<panels::DataBarLengths>(kReport, form, OptionOf)
                     : CreateFormSymbol(kReport, form, output, OptionOf);
}

}  // namespace cli
