// Millimetres to points in the host's fixed-point arithmetic.
#pragma once

#include "host/fixed.h"

namespace gs1_128 {

// The length is made 16.16 fixed point (truncated toward zero), divided by 25.4 (the 16.16 value
// 1664614, 25.4 rounded down) and multiplied by 72 with the host's fixed divide and multiply, so
// that positions agree with the host's to the last fixed-point unit.
host::Fixed MmToPoints(double millimetres);

}  // namespace gs1_128
