// The exception thrown by the host wrappers: it carries one host error code.
#pragma once

#include <exception>

#include "host/error.h"

namespace ai {

class Error : public std::exception {
 public:
  explicit Error(host::ErrorCode code) : code_(code) {}
  host::ErrorCode code() const { return code_; }
  const char* what() const noexcept override { return "host error"; }

 private:
  host::ErrorCode code_;
};

// Throws ai::Error when a host call failed.
inline void Check(host::ErrorCode code) {
  if (code != host::kNoError)
    throw Error(code);
}

}  // namespace ai
