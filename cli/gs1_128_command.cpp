// barquill gs1-128: one GS1-128 symbol for medical products, made exactly as the GS1-128 panel's
// create button makes it: the options fill the panel's form, which validates them with the
// panel's rules and messages and draws the symbol with its bottom-left corner at the centre of the
// document view.
#include <iostream>
#include <string>

#include "cli/command_report.h"
#include "cli/commands.h"
#include "cli/document_output.h"
#include "cli/exit_codes.h"
#include "cli/form_actions.h"
#include "cli/length_options.h"
#include "cli/options.h"
#include "cli/pixel_module_width.h"
#include "gs1_128/medical128_symbol.h"
#include "gs1_128/mm_to_points.h"
#include "gs1_128/symbol_characters.h"
#include "panels/length_field.h"
#include "panels/medical128_form.h"

namespace cli {

namespace {

constexpr OptionDefinition kSymbolOptions[] = {
    {"gtin", "", "DIGITS", "--gtin 1234567890123",
     "(01) the 13-digit product code, without its check digit (required)"},
    {"expiry", "", "YYMMDD", "--expiry 251231", "(17) the expiry date, 6 digits (default: none)"},
    {"quantity", "", "N", "--quantity 120",
     "(30) the quantity, 1 to 8 digits, not zero (default: none)"},
    {"lot", "", "TEXT", "--lot LOT1001",
     "(10) the lot number, at most 20 characters (default: none)"},
    {"lot-code-set", "", "A|B|C|auto", "--lot-code-set B",
     "the Code 128 code set of the lot number: A (digits, upper case, marks), B (also lower "
     "case), C (an even number of digits), or auto: the code sets that make the symbol "
     "shortest, changing inside the lot where that saves width (default auto)"},
    {"height", "", "MM", "--height 15",
     "bar height, 1 to 200 (default 17.000); lengths may end in mm"},
    {"narrow-width", "", "MM", "--narrow-width 0.25",
     "narrow (module) width, 0.1 to 9.999; the panel's list offers 0.169 0.191 0.220 0.250 "
     "0.252 0.254 (default 0.220)"},
    {"bar-width-reduction", "", "MM", "--bar-width-reduction 0.02",
     "every bar drawn this much narrower, half at each edge, and the spaces as much wider, for "
     "printing that spreads ink; 0 up to below the narrow width (default 0)"},
};

constexpr auto kOptions = JoinOptions(kSymbolOptions, kOutputOptions);

// The panel's fields hold no more than this many characters.
constexpr size_t kNumberFieldCharacters = 5;

// Each quiet zone is drawn 2.2 mm wide, or ten modules where those are wider; --dump shows it as
// the 10 light modules that Code 128 asks for at least.
constexpr int kDumpQuietZoneModules = 10;

std::string_view OptionOf(panels::Medical128Control control) {
  switch (control) {
    case panels::Medical128Control::kProductCode:
      return "--gtin";
    case panels::Medical128Control::kExpiry:
      return "--expiry";
    case panels::Medical128Control::kQuantity:
      return "--quantity";
    case panels::Medical128Control::kLot:
      return "--lot";
    case panels::Medical128Control::kHeight:
      return "--height";
    case panels::Medical128Control::kNarrowWidth:
      return "--narrow-width";
    case panels::Medical128Control::kBarWidthReduction:
      return "--bar-width-reduction";
    case panels::Medical128Control::kNone:
      break;
  }
  return "";
}

constexpr CommandReport kReport("gs1-128");

void PrintHelp() {
  std::cout << "usage: barquill gs1-128 --gtin DIGITS [--expiry YYMMDD] [--quantity N] "
               "[--lot TEXT] [options] (-o FILE | --dump)\n\n"
               "Creates one GS1-128 symbol for medical products, carrying (01), (17), (30) and "
               "(10) in that\norder, as the GS1-128 panel's create button does, and writes the "
               "document at true size.\n--dump prints its modules on one line, quiet zones "
               "included (shown as 10 light modules\neach; they are drawn 2.2 mm or 10 modules "
               "wide, whichever is wider).\n\n"
               "example: barquill gs1-128 --gtin 1234567890123 --expiry 011231 --lot LOT1001 "
               "-o symbol.svg\n\noptions:\n";
  PrintOptionHelp(std::cout, kOptions);
}

// Fills the form from the options, its module width fitted to the output. Returns the exit
// status of a refusal, or nothing.
std::optional<int> FillForm(const ParsedOptions& options, OutputChoice& output,
                            panels::Medical128Form& form) {
  form.productCode = options.value("gtin").value_or("");
  form.expiry = options.value("expiry").value_or("");
  form.quantity = options.value("quantity").value_or("");
  form.lot = options.value("lot").value_or("");
  const std::string codeSet = options.value("lot-code-set").value_or("auto");
  if (codeSet == "auto")
    form.lotCodeSet = gs1_128::kLotCodeAuto;
  else if (codeSet == "A" || codeSet == "B" || codeSet == "C")
    form.lotCodeSet = codeSet[0] - 'A';
  else
    return kReport.BadInput("--lot-code-set", kMsgExpectedCodeSet);

  std::optional<std::string> height;
  std::optional<std::string> narrowWidth;
  std::optional<std::string> reduction;
  if (const auto refused =
          ReadLengthOption(kReport, options, "height", kNumberFieldCharacters, height))
    return refused;
  if (const auto refused =
          ReadLengthOption(kReport, options, "narrow-width", kNumberFieldCharacters, narrowWidth))
    return refused;
  if (const auto refused = ReadLengthOption(kReport, options, "bar-width-reduction",
                                            kNumberFieldCharacters, reduction))
    return refused;
  if (height)
    form.height = *height;
  if (narrowWidth) {
    // A value of the list selects its entry; any other is typed into the list's edit part.
    form.narrowWidthEntry = -1;
    for (int entry = 0; entry < panels::kNarrowWidthEntryCount; ++entry) {
      if (*narrowWidth == panels::kNarrowWidthEntries[entry])
        form.narrowWidthEntry = entry;
    }
    form.narrowWidthText = *narrowWidth;
  }
  if (reduction)
    form.barWidthReduction = *reduction;
  const std::string& chosen = form.narrowWidthEntry >= 0
                                  ? panels::kNarrowWidthEntries[form.narrowWidthEntry]
                                  : form.narrowWidthText;
  const std::string width = ModuleWidthForOutput(chosen, output, kReport, "--narrow-width");
  if (width != chosen) {
    form.narrowWidthEntry = -1;
    form.narrowWidthText = width;
  }
  return std::nullopt;
}

// Collects the modules of the symbol characters: 1 for a bar module, 0 for a space module.
class ModuleLine : public gs1_128::SymbolCharacterSink {
 public:
  void Put(int16_t, const char* widths) override {
    for (int i = 0; widths[i] != '\0'; ++i)
      modules_.append(static_cast<size_t>(widths[i] - '0'), i % 2 == 0 ? '1' : '0');
  }
  const std::string& modules() const { return modules_; }

 private:
  std::string modules_;
};

int Dump(panels::Medical128Form& form) {
  panels::Medical128Request request;
  if (const auto failure = form.Validate(request))
    return kReport.Refused(OptionOf(failure->focus), failure->message, failure->english);
  gs1_128::CMedical128Symbol symbol;
  if (!request.SetUp(symbol))
    return kReport.Failed(kMsgNotEncodable);
  ModuleLine line;
  symbol.EncodeSymbol(line);
  const std::string quietZone(kDumpQuietZoneModules, '0');
  std::cout << quietZone << line.modules() << quietZone << "\n";
  return kExitOk;
}

// The exit status of a refusal the form reported, or nothing.
std::optional<int> Refusal(const panels::Medical128Form& form,
                           const panels::Medical128Result& result) {
  switch (result.outcome) {
    case panels::Medical128Outcome::kCreated:
      return std::nullopt;
    case panels::Medical128Outcome::kFieldRejected:
      return kReport.Refused(OptionOf(form.focus), result.message, result.english);
    case panels::Medical128Outcome::kNotEncodable:
      return kReport.Failed(kMsgNotEncodable);
    case panels::Medical128Outcome::kNoDocument:
    case panels::Medical128Outcome::kHostFailure:
      break;
  }
  return kReport.HostFailed(result.error);
}

int Create(panels::Medical128Form& form, OutputChoice& output) {
  return CreateAndWrite<panels::Medical128Result>(
      kReport, output,
      [&] {
        const auto result = form.CreateMedical128();
        // The module as the symbol's own millimetre arithmetic makes it (see mm_to_points.h).
        if (result.outcome == panels::Medical128Outcome::kCreated)
          FitModuleToPixels(
              output, gs1_128::MmToPoints(*panels::ReadDecimal(form.narrowWidthText)) / 65536.0);
        return result;
      },
      [&](const panels::Medical128Result& result) { return Refusal(form, result); });
}

}  // namespace

int RunGs1128(std::span<const std::string_view> arguments) {
  ParsedOptions options;
  if (const auto ended = ReadArguments(kReport, arguments, kOptions, PrintHelp, options))
    return *ended;
  if (!options.has("gtin"))
    return kReport.BadInput("--gtin", kMsgRequired);
  OutputChoice output = ReadOutputOptions(options);
  if (output.error)
    return kReport.BadInput(output.option, *output.error);

  panels::Medical128Form form;
  if (const auto refused = FillForm(options, output, form))
    return *refused;
  return output.dump ? Dump(form) : Create(form, output);
}

}  // namespace cli
