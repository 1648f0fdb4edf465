// Holds the host suites the plug-in uses while it is loaded: the framework suites, then the
// plug-in's own list. Acquires them when created and releases them when destroyed.
#pragma once

#include "host/error.h"

namespace frame {

class SuiteHolder {
 public:
  // Acquires every suite unless another holder already holds them. Acquisition stops at the
  // first failure; result() gives its code, and destroying the holder releases what was
  // acquired before it.
  SuiteHolder();
  ~SuiteHolder();
  SuiteHolder(const SuiteHolder&) = delete;
  SuiteHolder& operator=(const SuiteHolder&) = delete;

  host::ErrorCode result() const { return result_; }

 private:
  bool owner_ = false;  // this holder acquired the suites and releases them
  host::ErrorCode result_ = host::kNoError;
};

}  // namespace frame
