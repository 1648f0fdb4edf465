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

// The name of an operation, fixed when the emulator is built: a string literal, so that its
// address identifies it for as long as the program runs.
class OperationName {
 public:
  consteval OperationName(const char* name) : name_(name) {}  // NOLINT: literals convert
  std::string_view view() const { return name_; }

 private:
  std::string_view name_;
};

class CallLog {
 public:
  // Counts one call of the operation. Returns the code of a failure injected for exactly this
  // call, or kNoError.
  host::ErrorCode Enter(OperationName operation) {
    const int call = ++CachedCounter(operation);
    return rules_.empty() ? host::kNoError : Injected(operation.view(), call);
  }
  // The same for an operation whose name is made at run time.
  host::ErrorCode EnterNamed(std::string_view operation) {
    const int call = ++Counter(operation);
    return rules_.empty() ? host::kNoError : Injected(operation, call);
  }

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
  // A counter found again by the address of the operation's name, which only a literal of the
  // same text can have; this spares hashing and comparing the name on every call. The entries
  // are an open-addressed table probed in turn from the address's slot: two operations whose
  // addresses share a slot, called in alternation (a bar's style and its coordinates), each keep
  // an entry. The table has room for many more literals than the emulator names.
  struct CacheEntry {
    const char* name = nullptr;
    int* count = nullptr;
  };
  static constexpr int kCacheBits = 8;
  static constexpr size_t kCacheSize = size_t{1} << kCacheBits;

  int& Counter(std::string_view operation);
  // Inline: every suite call counts itself here.
  int& CachedCounter(OperationName operation) {
    const std::string_view name = operation.view();
    const auto address = reinterpret_cast<uintptr_t>(name.data());
    size_t slot = (address * 0x9E3779B97F4A7C15u) >> (64 - kCacheBits);
    for (size_t probes = 0; probes < kCacheSize; ++probes) {
      CacheEntry& cached = cache_[slot];
      if (cached.name == name.data()) [[likely]]
        return *cached.count;
      if (cached.name == nullptr) {
        cached = {name.data(), &Counter(name)};
        return *cached.count;
      }
      slot = (slot + 1) & (kCacheSize - 1);
    }
    return Counter(name);
  }
  // The failure injected for this call of the operation, or kNoError.
  host::ErrorCode Injected(std::string_view operation, int call) const;

  StringKeyMap<int> counts_;  // node-based, so the cached counters stay valid
  std::array<CacheEntry, kCacheSize> cache_{};
  StringKeyMap<std::vector<Rule>> rules_;
};

}  // namespace emulator
