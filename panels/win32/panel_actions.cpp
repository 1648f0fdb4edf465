#include "panels/win32/panel_actions.h"

namespace panels {

void InsertAtSelection(HWND field, const wchar_t* text) {
  SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  SetFocus(field);
}

void FocusIfAny(HWND control) {
  if (control != nullptr)
    SetFocus(control);
}

}  // namespace panels
