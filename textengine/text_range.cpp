#include "textengine/text_range.h"

#include <cstdint>

#include "host/suite_pointers.h"

namespace ATE {

host::ErrorCode TextRangeTraits::AddRef(Handle range) {
  return host::sTextRange->AddRef(range);
}

host::ErrorCode TextRangeTraits::Release(Handle range) {
  return host::sTextRange->Release(range);
}

void TextRange::InsertAfter(std::u16string_view text) {
  Check(host::sTextRange->InsertAfter(handle(), text.data(), static_cast<int32_t>(text.size())));
}

void TextRange::SetLocalCharFeatures(const CharFeatures& features) {
  Check(host::sTextRange->SetLocalCharFeatures(handle(), features.handle()));
}

}  // namespace ATE
