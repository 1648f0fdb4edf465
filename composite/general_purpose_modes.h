// The general-purpose encodation modes. Each call encodes one unit at the state's position (a
// digit pair, a character, a latch to another mode or the end of the data) and returns the mode
// for the next unit.
#pragma once

#include "composite/composite_encode_state.h"

namespace composite {

int EncodeNumeric(CompositeEncodeState& state);
int EncodeAlphanumeric(CompositeEncodeState& state);
int EncodeIso646(CompositeEncodeState& state);

}  // namespace composite
