// Counts every suite call by operation name ("Suite.Operation") and decides which calls fail.
#pragma once

#include <string_view>
#include <vector>

#include "emulator/string_key.h"
#include "host/error.h"

namespace emulator {

class CallLog {
 public:
  // Counts one call of the operation. Returns the code of a failure injected for exactly this
  // call, or kNoError.
  host::ErrorCode Enter(std::string_view operation);

  // Makes the nth call (1-based, counted over the log's life) fail; nth 0 fails every call.
  void Fail(std::string_view operation, int nth, host::ErrorCode code);
  void ClearFailures() { rules_.clear(); }
  int Count(std::string_view operation) const;

 private:
  struct Rule {
    int nth;
    host::ErrorCode code;
  };
  StringKeyMap<int> counts_;
  StringKeyMap<std::vector<Rule>> rules_;
};

}  // namespace emulator
