#include "emulator/call_log.h"

#include <algorithm>

namespace emulator {

int& CallLog::Counter(std::string_view operation) {
  auto counted = counts_.find(operation);
  if (counted == counts_.end())
    counted = counts_.emplace(operation, 0).first;
  return counted->second;
}

host::ErrorCode CallLog::Injected(std::string_view operation, int call) const {
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

std::vector<std::string> CallLog::Operations() const {
  std::vector<std::string> operations;
  for (const auto& [operation, count] : counts_)
    operations.push_back(operation);
  std::sort(operations.begin(), operations.end());
  return operations;
}

}  // namespace emulator
