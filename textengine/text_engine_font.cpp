#include "textengine/text_engine_font.h"

#include "host/suite_pointers.h"

namespace ATE {

host::ErrorCode TextEngineFontTraits::AddRef(Handle font) {
  return host::sTextEngineFont->AddRef(font);
}

host::ErrorCode TextEngineFontTraits::Release(Handle font) {
  return host::sTextEngineFont->Release(font);
}

}  // namespace ATE
