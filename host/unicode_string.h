// A host Unicode string made from UTF-8 text through the Unicode string suite. Throws ai::Error
// when the suite fails; disposes of the host string when destroyed.
#pragma once

#include <string_view>

#include "host/handles.h"

namespace ai {

class UnicodeString {
 public:
  explicit UnicodeString(std::string_view utf8);
  explicit UnicodeString(std::u16string_view utf16);
  ~UnicodeString();
  UnicodeString(const UnicodeString&) = delete;
  UnicodeString& operator=(const UnicodeString&) = delete;

  host::UnicodeStringHandle handle() const { return handle_; }

 private:
  host::UnicodeStringHandle handle_ = nullptr;
};

}  // namespace ai
