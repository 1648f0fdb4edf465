// The error code that the GS1 DataBar and composite encoders share. It is per thread, so that
// symbols can be encoded in parallel.
#pragma once

#include <cstdint>

namespace databar {

enum EncodeErrorCode : int32_t {
  kEncodeOk = 0,
  kInvalidData = 1,
  kDataTooLong = 2,       // too long for every symbol size
  kInternalOverflow = 3,  // a bit write out of range or an unknown mode
};

// Set by the encoder entry points only (EncodeOmnidirectional, EncodeStacked,
// EncodeStackedOmnidirectional, EncodeLimited, EncodeExpanded, EncodeComposite and
// FormExpandedCharacters): each leaves there the code of its call, 0 on success. The steps they
// are made of return their codes instead (BuildComposite, BuildExpandedCharacters and the rest).
inline thread_local int32_t EncodeError = kEncodeOk;

// Whether a result is one of the encoders' codes 1 to 3, as opposed to 0 or a host error code
// that EncodeDataBar passes on.
constexpr bool IsEncodeErrorCode(int32_t result) {
  return result == kInvalidData || result == kDataTooLong || result == kInternalOverflow;
}

}  // namespace databar
