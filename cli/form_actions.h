// The two things a symbol subcommand does with its filled panel form, in a stand-in host of its
// own: print the module rows of the symbol the form encodes, or run the panel's create action
// and write the document; for the GS1 DataBar and Expanded forms both as one flow.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_report.h"
#include "cli/document_output.h"
#include "cli/exit_codes.h"
#include "cli/host_session.h"
#include "cli/pixel_module_width.h"
#include "databar/gs1_databar_symbol.h"
#include "gs1/fault_messages.h"
#include "panels/length_field.h"
#include "panels/symbol_creation.h"

namespace cli {

// Prints the module rows of the symbol that encode makes, top row first. refusal turns the
// encoder's result into the exit status of a refusal it reported, or nothing; any other non-zero
// result is a host failure.
int DumpModuleRows(const CommandReport& report,
                   const std::function<int32_t(databar::CGS1DataBarSymbol&)>& encode,
                   const std::function<std::optional<int>(int32_t result)>& refusal);

// Runs the create action inside an application context, checks that the host got back all it
// gave, then writes the document. refusal turns the action's result into the exit status of a
// refusal it reported, or nothing when the symbol was made.
template <typename Result>
int CreateAndWrite(const CommandReport& report, const OutputChoice& output,
                   const std::function<Result()>& create,
                   const std::function<std::optional<int>(const Result&)>& refusal) {
  HostSession session;
  if (session.status() != host::kNoError)
    return report.Failed(kMsgSuitesUnavailable);
  Result result;
  const host::ErrorCode contextError = session.InAppContext([&] { result = create(); });
  if (const std::string problem = session.Close(); !problem.empty())
    return report.Failed(kMsgInternalError, {problem});
  if (const std::optional<int> refused = refusal(result))
    return *refused;
  if (contextError != host::kNoError)
    return report.HostFailed(contextError);
  if (const std::string problem = WriteDocument(session.document(), output); !problem.empty())
    return report.Failed(kMsgCannotWrite, {output.path, problem});
  return kExitOk;
}

// Prints the warnings about the symbol's GS1 data.
void PrintGs1Warnings(const CommandReport& report, const std::vector<gs1::UserMessage>& warnings);

// The exit status of a refusal that a GS1 DataBar or Expanded create action reported, naming the
// option of the field it focused; nothing when the symbol was made.
std::optional<int> DataBarRefusal(const CommandReport& report, const panels::DataBarResult& result,
                                  std::string_view focusedOption);

// --dump of a GS1 DataBar or Expanded form: validates it, warns about its GS1 data and prints the
// module rows of the symbol it encodes. A refusal names the option optionOf gives for the field.
template <typename Request, typename Form, typename OptionOf>
int DumpFormSymbol(const CommandReport& report, Form& form, OptionOf optionOf) {
  Request accepted;
  if (const auto failure = form.Validate(accepted))
    return report.Refused(optionOf(failure->focus), failure->message, failure->english);
  PrintGs1Warnings(report, form.Gs1Warnings());
  return DumpModuleRows(
      report, [&](databar::CGS1DataBarSymbol& symbol) { return form.Encode(symbol, accepted, {}); },
      [&](int32_t result) -> std::optional<int> {
        if (const auto failure = panels::EncodedFailure(form, accepted, result))
          return report.Refused(optionOf(failure->focus), failure->message, failure->english);
        return std::nullopt;
      });
}

// Runs a GS1 DataBar or Expanded form's create action and writes the document, the module fitted
// to the output's pixels, with the warnings about the symbol's GS1 data. A refusal names the
// option optionOf gives for the field the form focused.
template <typename Form, typename OptionOf>
int CreateFormSymbol(const CommandReport& report, Form& form, OutputChoice& output,
                     OptionOf optionOf) {
  return CreateAndWrite<panels::DataBarResult>(
      report, output,
      [&] {
        const auto result = form.CreateSymbol();
        // The module width the form accepted, in points.
        if (result.outcome == panels::DataBarOutcome::kCreated) {
          FitModuleToPixels(output, *panels::ReadDecimal(form.lengths.moduleWidth) * 72 / 25.4);
          PrintGs1Warnings(report, form.Gs1Warnings());
        }
        return result;
      },
      [&](const panels::DataBarResult& result) {
        return DataBarRefusal(report, result, optionOf(form.focus));
      });
}

}  // namespace cli
