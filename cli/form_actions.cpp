#include "cli/form_actions.h"

#include <iostream>
#include <vector>

#include "databar/gs1_databar_symbol.h"

namespace cli {

int DumpModuleRows(const CommandReport& report,
                   const std::function<int32_t(databar::CGS1DataBarSymbol&)>& encode,
                   const std::function<std::optional<int>(int32_t result)>& refusal) {
  HostSession session;
  if (session.status() != host::kNoError)
    return report.Failed(kMsgSuitesUnavailable);
  std::vector<std::string> rows;
  int32_t result = 0;
  {
    databar::CGS1DataBarSymbol symbol;
    result = encode(symbol);
    rows = databar::ModuleRows(symbol);
  }
  if (const std::string problem = session.Close(); !problem.empty())
    return report.Failed(kMsgInternalError, {problem});
  if (const std::optional<int> refused = refusal(result))
    return *refused;
  if (result != 0)
    return report.HostFailed(result);
  for (const std::string& row : rows)
    std::cout << row << "\n";
  return kExitOk;
}

void PrintGs1Warnings(const CommandReport& report, const std::vector<gs1::UserMessage>& warnings) {
  for (const gs1::UserMessage& warning : warnings)
    report.Warn({warning.japanese, warning.english});
}

std::optional<int> DataBarRefusal(const CommandReport& report, const panels::DataBarResult& result,
                                  std::string_view focusedOption) {
  switch (result.outcome) {
    case panels::DataBarOutcome::kCreated:
      return std::nullopt;
    case panels::DataBarOutcome::kFieldRejected:
    case panels::DataBarOutcome::kNotEncodable:
      return report.Refused(focusedOption, result.message, result.english);
    case panels::DataBarOutcome::kNoDocument:
    case panels::DataBarOutcome::kHostFailure:
      break;
  }
  return report.HostFailed(result.error);
}

}  // namespace cli
