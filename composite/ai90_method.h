// Method 11 of a composite component: AI 90 data that begins with up to three digits and an
// upper-case letter, with the option of AI 21 or AI 8004 following it.
#pragma once

#include "composite/general_purpose_encoder.h"

namespace composite {

// The text begins with "90". Reads the number and letter that open the AI 90 data; on success
// the position is just after the letter.
bool Ai90Parse(CompositeEncodeState& state);

// Writes the rest of the method field, removes the digits of an implied AI 21 or AI 8004 from the
// text, encodes the AI 90 data up to its FNC1 or separator character (or the end), and returns
// the mode the general-purpose encodation goes on in.
int EncodeAi90Method(CompositeEncodeState& state);

}  // namespace composite
