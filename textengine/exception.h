// The exception the text-engine wrappers throw: it carries one host error code.
#pragma once

#include <exception>

#include "host/error.h"

namespace ATE {

class Exception : public std::exception {
 public:
  explicit Exception(host::ErrorCode code) : code_(code) {}
  host::ErrorCode code() const { return code_; }
  const char* what() const noexcept override { return "text engine error"; }

 private:
  host::ErrorCode code_;
};

// Throws ATE::Exception when a host call failed.
inline void Check(host::ErrorCode code) {
  if (code != host::kNoError) {
    throw Exception(code);
  }
}

}  // namespace ATE
