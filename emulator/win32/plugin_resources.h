// The plug-in file's resources as the host's data filter suite serves them.
#pragma once

#include <windows.h>

#include "emulator/emulator.h"

namespace emulator {

// Hands the emulator every named resource of a four-character type in the module (the panel
// icon, the button bitmaps), read with FindResource, under that type code and name.
void AddPluginResources(HMODULE module, Emulator& emulator);

}  // namespace emulator
