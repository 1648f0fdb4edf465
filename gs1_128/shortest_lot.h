// The lot element string in the fewest symbol characters: code sets chosen, and changed inside
// the lot, so that digits go in pairs in code set C wherever that is shorter and every other
// character in code set B.
//
// Code set A and the shift character never shorten a lot: every character a lot may hold in A
// (space to underscore) is in B as well, so B does at least as well wherever A would, and a
// shift (two characters for one) is never shorter than changing to B, which then serves every
// character after it.
#pragma once

#include <cstdint>

namespace gs1_128 {

// A lot element string is at most 22 characters ("10" and 20); in code set B with one change in
// front of it, it needs no more values than this, and the shortest never needs more.
inline constexpr int kMostLotValues = 23;

struct LotValues {
  int16_t values[kMostLotValues] = {};
  int count = 0;
};

// The symbol values of the lot element string (printable ASCII, "10" included), code-set changes
// included, starting in code set B when inCodeB and in code set C otherwise.
LotValues ShortestLotValues(const char* lot, bool inCodeB);

}  // namespace gs1_128
