// PDF417 symbol character patterns of clusters 0, 3 and 6 (the symbol character table of
// ISO/IEC 15438 Annex A), used by the composite component rows.
#pragma once

#include <array>
#include <cstdint>

#include "core/symbol_records.h"

namespace composite {

// Table 0 is cluster 0, table 1 cluster 3, table 2 cluster 6. Each entry packs the 8 widths
// (bar, space, ..., space) as nibbles, the first width in the highest nibble.
extern const uint32_t kCodewordPatterns[3][929];

inline std::array<databar::ElementWidth, 8> CodewordPattern(int clusterTable, int value) {
  const uint32_t packed = kCodewordPatterns[clusterTable][value];
  std::array<databar::ElementWidth, 8> widths{};
  for (int i = 0; i < 8; ++i) {
    widths[i] = static_cast<databar::ElementWidth>((packed >> (28 - 4 * i)) & 0xF);
  }
  return widths;
}

}  // namespace composite
