// Decides which failed-message codes are reported: some codes are never reported, and a code
// equal to the last reported one is held back for a few seconds so that a failing message
// repeated by the host does not report the same failure over and over.
#pragma once

#include <cstdint>

#include "host/error.h"

namespace frame {

// Codes that stand for expected outcomes (cancelled, already reported, nothing to do, ...).
bool IsSilentError(host::ErrorCode error);

class ErrorReport {
 public:
  // Whether the error is to be reported at time now (seconds since the epoch); records it when
  // it is.
  bool Record(host::ErrorCode error, int64_t now);

  host::ErrorCode lastError() const { return lastError_; }
  void SetSuppressRepeats(bool suppress) { suppressRepeats_ = suppress; }

 private:
  host::ErrorCode lastError_ = host::kNoError;
  int32_t repeatWindowSeconds_ = 5;
  bool suppressRepeats_ = true;
  int64_t lastTime_ = 0;
};

}  // namespace frame
