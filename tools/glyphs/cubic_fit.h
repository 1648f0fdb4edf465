// Replacing a chain of cubics by a single cubic with the same end points and end tangents, and
// measuring how far one curve strays from another.
#pragma once

#include <vector>

#include "tools/glyphs/bezier.h"

namespace glyphs {

// The single cubic closest to the chain (least squares over points spaced along the chain),
// keeping the chain's end points and the directions in which it leaves and arrives. A chain
// that is straight within half a unit becomes a straight line.
Cubic FitCubic(const std::vector<Cubic>& chain);

// The greatest distance between the cubic and the chain, measured both ways so that neither
// may stray from the other.
double Deviation(const Cubic& cubic, const std::vector<Cubic>& chain);

}  // namespace glyphs
