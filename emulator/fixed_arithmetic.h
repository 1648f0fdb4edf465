// 16.16 fixed-point arithmetic as the host does it: exact 64-bit intermediates, results truncated
// toward zero, and results beyond the fixed range saturated instead of wrapped.
#pragma once

#include "host/fixed.h"

namespace emulator {

host::Fixed SaturatingAdd(host::Fixed a, host::Fixed b);
host::Fixed TruncatingMultiply(host::Fixed a, host::Fixed b);
// A zero divisor gives the largest value of the dividend's sign.
host::Fixed TruncatingDivide(host::Fixed a, host::Fixed b);

}  // namespace emulator
