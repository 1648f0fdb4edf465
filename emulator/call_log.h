// Counts every suite call by operation name ("Suite.Operation") and decides which calls fail.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
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
  // Every operation called so far, in name order.
  std::vector<std::string> Operations() const;

 private:
  struct Rule {
    int nth;
    host::ErrorCode code;
  };
  // A counter found again by the address of the operation's name. Names are mostly string
  // literals, so this spares hashing the name on every call; the name is still compared.
  struct CachedCounter {
    const std::string* name = nullptr;  // the key in counts_
    int* count = nullptr;
  };
  static constexpr size_t kCacheSize = 256;

  int& Counter(std::string_view operation);

  StringKeyMap<int> counts_;
  std::array<CachedCounter, kCacheSize> cache_{};
  StringKeyMap<std::vector<Rule>> rules_;
};

}  // namespace emulator
