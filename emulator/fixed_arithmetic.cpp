#include "emulator/fixed_arithmetic.h"

#include <cstdint>
#include <limits>

namespace emulator {

namespace {

constexpr int64_t kFixedMax = std::numeric_limits<host::Fixed>::max();
constexpr int64_t kFixedMin = std::numeric_limits<host::Fixed>::min();

host::Fixed Saturate(int64_t value) {
  if (value > kFixedMax)
    return static_cast<host::Fixed>(kFixedMax);
  if (value < kFixedMin)
    return static_cast<host::Fixed>(kFixedMin);
  return static_cast<host::Fixed>(value);
}

}  // namespace

host::Fixed SaturatingAdd(host::Fixed a, host::Fixed b) {
  return Saturate(static_cast<int64_t>(a) + b);
}

// Integer division in C++ truncates toward zero, which is the host's rounding.
host::Fixed TruncatingMultiply(host::Fixed a, host::Fixed b) {
  return Saturate(static_cast<int64_t>(a) * b / host::kFixedOne);
}

host::Fixed TruncatingDivide(host::Fixed a, host::Fixed b) {
  if (b == 0)
    return static_cast<host::Fixed>(a < 0 ? kFixedMin : kFixedMax);
  return Saturate(static_cast<int64_t>(a) * host::kFixedOne / b);
}

}  // namespace emulator
