// A font as the emulator found it on this system, and the measurements of a text set in it.
#pragma once

#include <string>

#include "host/fixed.h"

namespace emulator {

struct ResolvedFont {
  std::string family;  // the family of the font actually used
  std::string file;    // its font file; empty where no font files are available
  int index = 0;       // face index inside the file
};

// The extent of one line of text at a size, in points, relative to its baseline start.
struct TextExtent {
  host::Real ascent = 0;   // above the baseline
  host::Real descent = 0;  // below the baseline, as a positive distance
  host::Real advance = 0;  // sum of the glyph advances
};

}  // namespace emulator
