// What the panels' create actions ask of the host besides drawing: telling the user why an
// action stopped, and the point at which a new symbol is placed.
#pragma once

#include "host/error.h"
#include "host/geometry.h"

namespace panels {

// Shows the UTF-8 message in a host message alert. A host that cannot show it is not told
// anything further.
void ShowMessageAlert(const char* message);

struct Placement {
  host::FixedPoint point;                  // the centre of document view 0
  host::ErrorCode error = host::kNoError;  // why the point could not be had
};

Placement DocumentViewCentre();

}  // namespace panels
