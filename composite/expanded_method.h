// The encodation method field at the start of a DataBar Expanded symbol: the compressed methods
// for a GTIN (AI 01) with a net weight, a price or a weight and date, the GTIN alone before
// general-purpose data, or general-purpose data from the first character.
#pragma once

#include "composite/general_purpose_encoder.h"

namespace composite {

// Writes the method field and the data it compresses from the state's bit position (just after
// the linkage flag), moves the position to the first character left for the general-purpose
// modes, and returns the first mode: always numeric. The variable-length bits of the methods
// that have them are written as 0; FormExpandedCharacters fills them once the length is known.
int ChooseExpandedMethod(CompositeEncodeState& state);

// Where the variable-length bits of the method that starts the bit string lie, or -1 when the
// method has a fixed length.
int VariableLengthBitPosition(const BitBuffer& bits);

}  // namespace composite
