// The two things a symbol subcommand does with its filled panel form, in a stand-in host of its
// own: print the module rows of the symbol the form encodes, or run the panel's create action
// and write the document.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_report.h"
#include "cli/document_output.h"
#include "cli/exit_codes.h"
#include "cli/host_session.h"
#include "databar/gs1_databar_symbol.h"
#include "gs1/fault_messages.h"
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

}  // namespace cli
