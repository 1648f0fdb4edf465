// Reed-Solomon error correction of the composite component over GF(929).
#pragma once

#include "composite/codewords.h"

namespace composite {

constexpr int kMaxEcCodewords = 50;

// Appends `ecCount` error correction codewords after the first `dataCount` codewords, with the
// generator polynomial (x - 3)(x - 3^2)...(x - 3^ecCount), and returns kEncodeOk. Counts that do
// not fit the array return kInternalOverflow and write nothing.
int32_t ComputeErrorCorrection(int dataCount, int ecCount, CodewordArray& codewords);

}  // namespace composite
