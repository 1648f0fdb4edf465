#include "gs1_128/medical128_art.h"

#include "gs1_128/symbol_values.h"
#include "host/suite_pointers.h"

namespace gs1_128 {

CMedical128Art::CMedical128Art(host::ArtHandle group) {
  rectangles_.group = group;
  host::sPathStyle->GetCurrentPathStyle(&rectangles_.style, &styleMap_);
}

host::ErrorCode CMedical128Art::AddRectangle(host::Fixed left, host::Fixed bottom,
                                             host::Fixed right, host::Fixed top,
                                             const host::Colour& colour) {
  return art::AddRectangle(rectangles_, left, bottom, right, top, colour);
}

int32_t CTextPathMedical128Art::GlyphCode(char c) const {
  if (c == '(') {
    return 16060;
  }
  if (c == ')') {
    return 16061;
  }
  return static_cast<unsigned char>(c) + 15955;
}

int16_t CTextPathMedical128Art::DigitPairValue(char first, char second) const {
  return gs1_128::DigitPairValue(first, second);
}

}  // namespace gs1_128
