#include "panels/win32/control_values.h"

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

bool IsChecked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void AddListItem(HWND list, std::string_view entry) {
  SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
}

void AddListItems(HWND list, std::initializer_list<std::string_view> entries) {
  for (const std::string_view entry : entries)
    AddListItem(list, entry);
}

void WriteIfChanged(HWND control, std::string_view text) {
  if (ReadText(control, kFieldReadLimit) != text)
    WriteText(control, text);
}

}  // namespace panels
