// Turns an element string into the padded bit string of a composite component or of a DataBar
// Expanded symbol.
//
// The text holds application identifiers and their data without parentheses; '#' stands for
// FNC1 and '^' for the separator character. It must be writable: the date and AI 90 methods
// rewrite characters in place, never beyond the terminating NUL.
#pragma once

#include "composite/bit_buffer.h"
#include "composite/composite_encode_state.h"
#include "composite/encode_target.h"

namespace composite {

// Runs the method field (the composite one, or the target's Expanded one after the linkage bit
// that the caller has written at bit 0), the general-purpose modes and the padding. Returns the
// size result of PadBits, or -1 when the data fits no size or the encodation failed (then
// EncodeError says why when it is not a matter of length).
int EncodeDataBits(const EncodeTarget& target, char* text, BitBuffer& bits);

// Pads the bit string to the smallest size that holds it; returns the size result of the
// target's RemainingBits, or -1.
int PadBits(CompositeEncodeState& state);

}  // namespace composite
