// Character tables of GS1 DataBar Omnidirectional (also Truncated and the stacked forms), as
// ISO/IEC 24724 gives them: the data character groups, checksum weights and finder patterns.
#pragma once

#include "core/element_widths.h"
#include "core/symbol_records.h"

namespace databar {

extern const CharacterGroup kOutsideGroups[5];  // data characters 1 and 3, values 0..2840
extern const CharacterGroup kInsideGroups[4];   // data characters 2 and 4, values 0..1596
// Checksum weights mod 79 per data character, in the order odd1 even1 odd2 even2 ...
extern const int32_t kOmniWeights[4][8];
// First three widths of the finder patterns 0..8 (the last two are always 1 1).
extern const ElementWidth kFinderPatterns[9][3];

}  // namespace databar
