// Hashing for maps keyed by std::string that are looked up with std::string_view, so that the
// per-call lookups of the suite functions build no strings.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace emulator {

struct StringKeyHash {
  using is_transparent = void;
  size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
};

template <typename Value>
using StringKeyMap = std::unordered_map<std::string, Value, StringKeyHash, std::equal_to<>>;

}  // namespace emulator
