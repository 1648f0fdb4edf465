// Explicit UTF-8 to UTF-16 conversion, so that texts never depend on the system code page.
#pragma once

#include <string>
#include <string_view>

namespace host {

// Invalid UTF-8 sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace host
