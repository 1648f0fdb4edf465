#include "art/gs1_databar_art.h"

#include "host/suite_pointers.h"

namespace art {

CGS1DataBarArt::CGS1DataBarArt(host::ArtHandle group) {
  target_.group = group;
  host::sPathStyle->GetCurrentPathStyle(&target_.style, &map_);
}

}  // namespace art
