// Host font names that name fonts of another platform, mapped to the installed fonts that stand
// in for them with the same metrics. Font matching does not know these names by itself.
#pragma once

#include <string_view>

namespace emulator {

// The installed family that stands in for the host font name, or the name itself.
std::string_view InstalledFamilyFor(std::string_view hostName);

}  // namespace emulator
