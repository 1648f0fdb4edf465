// A set of character features (font, size) to apply to a text range.
#pragma once

#include "host/fixed.h"
#include "host/handles.h"
#include "textengine/reference.h"
#include "textengine/text_engine_font.h"

namespace ATE {

struct CharFeaturesTraits {
  using Handle = host::CharFeaturesHandle;
  static host::ErrorCode AddRef(Handle features);
  static host::ErrorCode Release(Handle features);
};

class CharFeatures : public Reference<CharFeaturesTraits> {
 public:
  // New empty features (the host's Initialize).
  CharFeatures();
  using Reference::Reference;

  void SetFont(const TextEngineFont& font);
  void SetFontSize(host::Real points);
};

}  // namespace ATE
