// The codewords of a composite component: the padded bit string as data codewords (base 928 for
// CC-A, the byte compaction of base 900 for CC-B), then the Reed-Solomon error correction
// codewords over GF(929).
#pragma once

#include <array>
#include <cstdint>

#include "composite/bit_buffer.h"
#include "composite/size_tables.h"

namespace composite {

using CodewordArray = std::array<uint16_t, kMaxCodewords>;

constexpr uint16_t kByteModeLatch = 920;    // CC-B always begins with it
constexpr uint16_t kByteCompaction = 901;   // byte count not a multiple of 6
constexpr uint16_t kByteCompaction6 = 924;  // byte count a multiple of 6

// CC-A: the first `bitCount` bits in groups of 69 (the last may be shorter); a group of n bits
// gives its lowest n / 10 + 1 base-928 digits. Returns the number of codewords written.
int BitsToBase928(const BitBuffer& bits, int bitCount, CodewordArray& codewords);

// CC-B: 920, then 924 or 901, then five base-900 codewords for every six bytes and one codeword
// per byte left over. Returns the number of codewords written.
int BytesToBase900(const BitBuffer& bits, int byteCount, CodewordArray& codewords);

constexpr int kMaxEcCodewords = 50;

// Appends `ecCount` error correction codewords after the first `dataCount` codewords, with the
// generator polynomial (x - 3)(x - 3^2)...(x - 3^ecCount), and returns kEncodeOk. Counts that do
// not fit the array return kInternalOverflow and write nothing.
int32_t ComputeErrorCorrection(int dataCount, int ecCount, CodewordArray& codewords);

}  // namespace composite
