// The art targets of a GS1-128 symbol: the group that receives its rectangles and text frame.
#pragma once

#include <cstdint>

#include "art/rectangle.h"
#include "host/colour.h"
#include "host/error.h"
#include "host/fixed.h"
#include "host/handles.h"

namespace gs1_128 {

class CMedical128Art {
 public:
  // A target without a group.
  CMedical128Art() = default;
  // A target on the group, starting from the host's current path style.
  explicit CMedical128Art(host::ArtHandle group);

  host::ArtHandle group() const { return rectangles_.group; }

  // A filled, unstroked rectangle on top inside the group; positions in points, 16.16. Returns 0
  // or the code of the host's failure, which leaves no rectangle (see art::AddRectangle).
  host::ErrorCode AddRectangle(host::Fixed left, host::Fixed bottom, host::Fixed right,
                               host::Fixed top, const host::Colour& colour);

 private:
  art::RectangleTarget rectangles_;
  host::PathStyleMap styleMap_;
};

// The target of the human-readable text, with the glyph codes of the built-in outline glyphs.
class CTextPathMedical128Art : public CMedical128Art {
 public:
  using CMedical128Art::CMedical128Art;
  virtual ~CTextPathMedical128Art() = default;
  CTextPathMedical128Art(const CTextPathMedical128Art&) = default;
  CTextPathMedical128Art& operator=(const CTextPathMedical128Art&) = default;

  // '(' and ')' have their own glyphs; every other character is its code plus 15955.
  virtual int32_t GlyphCode(char c) const;
  // The code set C value of two digit characters.
  virtual int16_t DigitPairValue(char first, char second) const;
};

}  // namespace gs1_128
