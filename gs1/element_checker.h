// The checks of a GS1 message: each element string against its AI's format and content checks,
// then the message as a whole (AIs that exclude each other, one AI with two different data).
#pragma once

#include <span>

#include "gs1/element_string.h"
#include "gs1/verdict.h"

namespace gs1 {

// The first fault of `message`, or ok. Element strings are judged in order; each is checked on
// its own before it is compared with the ones before it. For a composite symbol the message is
// the linear component's element strings followed by those of the 2D component. Whether the AIs
// that an AI requires are present is not judged here (see FindUnmetRequirements).
Verdict CheckElementStrings(std::span<const ElementString> message);

}  // namespace gs1
