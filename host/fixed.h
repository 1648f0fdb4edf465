// The host's number forms: lengths are 32-bit floats in points, drawing positions are signed
// 16.16 fixed-point numbers.
#pragma once

#include <cstdint>
#include <limits>

namespace host {

using Real = float;
using Fixed = int32_t;

constexpr Fixed kFixedOne = 0x10000;

// A real becomes fixed by multiplying by 65536 and truncating toward zero. Values beyond the
// fixed range saturate instead of overflowing.
constexpr Fixed FixedFromReal(double value) {
  const double scaled = value * 65536.0;
  if (!(scaled == scaled))
    return 0;  // NaN
  if (scaled >= 2147483647.0)
    return std::numeric_limits<Fixed>::max();
  if (scaled <= -2147483648.0)
    return std::numeric_limits<Fixed>::min();
  return static_cast<Fixed>(scaled);
}

constexpr Fixed FixedFromInt(int32_t value) {
  return static_cast<Fixed>(static_cast<uint32_t>(value) << 16);
}

}  // namespace host
