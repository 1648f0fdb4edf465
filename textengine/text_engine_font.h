// A text-engine font, as the font suite hands it out for a font key.
#pragma once

#include "host/handles.h"
#include "textengine/reference.h"

namespace ATE {

struct TextEngineFontTraits {
  using Handle = host::TextEngineFontHandle;
  static host::ErrorCode AddRef(Handle font);
  static host::ErrorCode Release(Handle font);
};

class TextEngineFont : public Reference<TextEngineFontTraits> {
 public:
  using Reference::Reference;
};

}  // namespace ATE
