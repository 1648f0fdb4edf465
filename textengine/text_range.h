// A range of the text of a text frame.
#pragma once

#include <string_view>

#include "host/handles.h"
#include "textengine/char_features.h"
#include "textengine/reference.h"

namespace ATE {

struct TextRangeTraits {
  using Handle = host::TextRangeHandle;
  static host::ErrorCode AddRef(Handle range);
  static host::ErrorCode Release(Handle range);
};

class TextRange : public Reference<TextRangeTraits> {
 public:
  using Reference::Reference;

  // Inserts the text after the end of the range.
  void InsertAfter(std::u16string_view text);
  // Applies the features to the range's characters as their local features.
  void SetLocalCharFeatures(const CharFeatures& features);
};

}  // namespace ATE
