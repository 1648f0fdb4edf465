// The art target of a GS1 DataBar create action: the group that receives the symbol's art and a
// path style record used as scratch space for every rectangle. It is passed by value to each
// drawing operation; destroying it does nothing to the document.
#pragma once

#include "art/rectangle.h"
#include "host/colour.h"
#include "host/error.h"
#include "host/fixed.h"
#include "host/handles.h"
#include "host/suite_pointers.h"

namespace art {

class CGS1DataBarArt {
 public:
  // Fills the style scratch and its map with the document's current path style.
  explicit CGS1DataBarArt(host::ArtHandle group) {
    target_.group = group;
    host::sPathStyle->GetCurrentPathStyle(&target_.style, &map_);
  }

  host::ArtHandle group() const { return target_.group; }

  // A filled, unstroked rectangle on top inside the group; 0 or the code of the host's failure,
  // which leaves no rectangle (see art::AddRectangle).
  host::ErrorCode AddRectangle(host::Fixed left, host::Fixed bottom, host::Fixed right,
                               host::Fixed top, const host::Colour& colour) {
    return art::AddRectangle(target_, left, bottom, right, top, colour);
  }

 protected:
  RectangleTarget target_;
  host::PathStyleMap map_;
};

}  // namespace art
