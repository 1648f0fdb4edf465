// The AIs that other AIs of a message require. GS1 judges them over every barcode on an item, so
// one symbol missing them is not at fault: they are reported for a warning, not refused.
#pragma once

#include <span>
#include <string_view>

#include "gs1/element_string.h"

namespace gs1 {

struct UnmetRequirement {
  int index = -1;  // the element string whose AI requires others
  std::string_view ai;
  // The list of alternatives not met: AIs or patterns separated by ',', AIs that are required
  // together joined by '+' ("01,02,03", "01+21,03+21").
  std::string_view alternatives;
};

// The requirements of the AIs of `message` that the message does not meet, each AI once, in the
// order of the message. Writes as many as `out` holds and returns how many there are. AIs not in
// the table are skipped.
size_t FindUnmetRequirements(std::span<const ElementString> message,
                             std::span<UnmetRequirement> out);

}  // namespace gs1
