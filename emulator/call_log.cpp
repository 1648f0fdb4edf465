#include "emulator/call_log.h"

namespace emulator {

host::ErrorCode CallLog::Enter(std::string_view operation) {
  auto counted = counts_.find(operation);
  if (counted == counts_.end())
    counted = counts_.emplace(operation, 0).first;
  const int call = ++counted->second;
  const auto rules = rules_.find(operation);
  if (rules == rules_.end())
    return host::kNoError;
  for (const Rule& rule : rules->second) {
    if (rule.nth == 0 || rule.nth == call)
      return rule.code;
  }
  return host::kNoError;
}

void CallLog::Fail(std::string_view operation, int nth, host::ErrorCode code) {
  if (nth < 0)
    return;
  auto rules = rules_.find(operation);
  if (rules == rules_.end())
    rules = rules_.emplace(operation, std::vector<Rule>{}).first;
  rules->second.push_back({nth, code});
}

int CallLog::Count(std::string_view operation) const {
  const auto counted = counts_.find(operation);
  return counted == counts_.end() ? 0 : counted->second;
}

}  // namespace emulator
