#include "databar/symbol_records.h"

namespace databar {

DataBarLayout LayoutOf(int32_t type) {
  switch (type) {
    case kStacked:
      return DataBarLayout::kStacked;
    case kStackedOmnidirectional:
      return DataBarLayout::kStackedOmni;
    case kLimited:
      return DataBarLayout::kLimitedLinear;
    case kExpanded:
      return DataBarLayout::kExpanded;
    default:  // Omnidirectional, Truncated and every unknown code
      return DataBarLayout::kLinear;
  }
}

}  // namespace databar
