#include "panels/win32/wide_text.h"

#include <vector>

#include "host/utf.h"

namespace panels {

std::wstring Wide(std::string_view utf8) {
  const std::u16string units = host::Utf8ToUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

std::string Utf8(std::wstring_view wide) {
  return host::Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

std::string ReadText(HWND window, int limit) {
  std::vector<wchar_t> buffer(static_cast<size_t>(limit) + 1, L'\0');
  const int length = GetWindowTextW(window, buffer.data(), limit + 1);
  return Utf8(std::wstring_view(buffer.data(), length > 0 ? length : 0));
}

void WriteText(HWND window, std::string_view utf8) {
  SetWindowTextW(window, Wide(utf8).c_str());
}

}  // namespace panels
