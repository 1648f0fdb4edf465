#include "textengine/char_features.h"

#include "host/suite_pointers.h"

namespace ATE {

host::ErrorCode CharFeaturesTraits::AddRef(Handle features) {
  return host::sCharFeatures->AddRef(features);
}

host::ErrorCode CharFeaturesTraits::Release(Handle features) {
  return host::sCharFeatures->Release(features);
}

CharFeatures::CharFeatures() {
  Check(host::sCharFeatures->Initialize(out()));
}

void CharFeatures::SetFont(const TextEngineFont& font) {
  Check(host::sCharFeatures->SetFont(handle(), font.handle()));
}

void CharFeatures::SetFontSize(host::Real points) {
  Check(host::sCharFeatures->SetFontSize(handle(), points));
}

}  // namespace ATE
