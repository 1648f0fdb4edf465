#include "host/unicode_string.h"

#include "host/ai_error.h"
#include "host/suite_pointers.h"
#include "host/utf.h"

namespace ai {

UnicodeString::UnicodeString(std::string_view utf8) : UnicodeString(host::Utf8ToUtf16(utf8)) {}

UnicodeString::UnicodeString(std::u16string_view utf16) {
  if (host::sUnicodeString == nullptr)
    throw Error(host::kUnhandledMessage);
  Check(host::sUnicodeString->NewFromUtf16(utf16.data(), static_cast<int32_t>(utf16.size()),
                                           &handle_));
}

UnicodeString::~UnicodeString() {
  if (handle_ != nullptr && host::sUnicodeString != nullptr) {
    host::sUnicodeString->Dispose(handle_);
  }
}

}  // namespace ai
