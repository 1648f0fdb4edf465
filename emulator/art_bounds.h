// Bounds of art as the host reports them: paths by their anchor points, containers as the union
// of their children, text frames from the measured extent of their line.
#pragma once

#include <optional>

#include "emulator/art.h"
#include "host/geometry.h"

namespace emulator {

// Empty for a path without segments and a container without measurable children.
std::optional<host::RealRect> ArtBounds(const Art& art);

}  // namespace emulator
