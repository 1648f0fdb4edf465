// The error code that the GS1 DataBar and composite encoders share. Entry points clear it and
// test it after each step. It is per thread, so that symbols can be encoded in parallel.
#pragma once

#include <cstdint>

namespace databar {

enum EncodeErrorCode : int32_t {
  kEncodeOk = 0,
  kInvalidData = 1,
  kDataTooLong = 2,        // too long for every symbol size
  kInternalOverflow = 3,   // a bit write out of range or an unknown mode
};

extern thread_local int32_t EncodeError;

}  // namespace databar
