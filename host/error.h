// Host error codes: signed 32-bit, 0 for success. The codes the frame itself produces or
// recognises are four-character codes packed big-endian into the integer.
#pragma once

#include <cstdint>

namespace host {

using ErrorCode = int32_t;

constexpr ErrorCode kNoError = 0;

constexpr ErrorCode FourCharCode(const char (&text)[5]) {
  return static_cast<ErrorCode>((static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 24) |
                                (static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 16) |
                                (static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 8) |
                                static_cast<uint32_t>(static_cast<unsigned char>(text[3])));
}

constexpr ErrorCode kUnhandledMessage = FourCharCode("!MSG");  // turned into 0 for the host
constexpr ErrorCode kOutOfMemory = FourCharCode("!MEM");
constexpr ErrorCode kPurgedMemory = FourCharCode("pFls");

}  // namespace host
