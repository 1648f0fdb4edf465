// The 42 element widths between the guards of an Omnidirectional or Limited linear row. Index 0
// is a space.
#pragma once

#include <array>

#include "databar/symbol_records.h"

namespace databar {

constexpr int kInnerWidthCount = 42;
using InnerWidths = std::array<ElementWidth, kInnerWidthCount>;

}  // namespace databar
