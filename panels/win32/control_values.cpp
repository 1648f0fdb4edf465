#include "panels/win32/control_values.h"

#include "panels/win32/wide_text.h"

namespace panels {

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
