// The encodation method field at the start of a composite component: general-purpose data, the
// compressed date and lot number, or the compressed AI 90 data.
#pragma once

#include "composite/general_purpose_encoder.h"

namespace composite {

// Writes the method field (and what the method compresses) and returns the first
// general-purpose mode.
int ChooseCompositeMethod(CompositeEncodeState& state);

// Whether the text starts with AI 11 or AI 17 and a valid date, or with AI 10.
bool DateLotTest(const char* text);

}  // namespace composite
