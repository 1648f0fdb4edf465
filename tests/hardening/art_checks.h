// Checks of the art a flow leaves in the stand-in host's document, shared by the host-failure
// sweep and the fuzz targets.
#pragma once

#include <string>

#include "emulator/document.h"

namespace hardening {

// The first art that is not whole, described, or an empty text when all is. Whole art is what a
// finished drawing step leaves: closed, filled, unstroked paths with their segments, compound
// paths holding such paths, text frames with their text in their font, and groups (below the
// layer's own group) that hold something unless emptyGroups allows them.
enum class EmptyGroups { kRefused, kAllowed };
std::string FindBrokenArt(const emulator::Document& document,
                          EmptyGroups emptyGroups = EmptyGroups::kRefused);

// Everything the document holds, in paint order, as text: two documents with the same art have
// the same snapshot.
std::string Snapshot(const emulator::Document& document);

}  // namespace hardening
