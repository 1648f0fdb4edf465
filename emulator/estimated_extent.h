// The extent of a line estimated without a font file: a Gothic face's proportions, half an em
// per half-width character and a full em per wide one.
#pragma once

#include <string_view>

#include "emulator/resolved_font.h"
#include "host/fixed.h"

namespace emulator {

TextExtent EstimatedExtent(std::u16string_view text, host::Real size);

}  // namespace emulator
