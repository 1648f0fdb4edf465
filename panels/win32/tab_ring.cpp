#include "panels/win32/tab_ring.h"

namespace panels {

namespace {

// The ring a subclassed field belongs to.
constexpr wchar_t kRingProperty[] = L"BarquillTabRing";

bool CanTakeFocus(HWND field) {
  return IsWindowEnabled(field) && IsWindowVisible(field);
}

}  // namespace

TabRing::~TabRing() {
  Clear();
}

bool TabRing::Add(HWND field) {
  if (count_ == kCapacity || field == nullptr || IndexOf(field) >= 0)
    return false;
  if (!SetPropW(field, kRingProperty, this))
    return false;
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FieldProcedure)));
  if (previous == nullptr) {
    RemovePropW(field, kRingProperty);
    return false;
  }
  entries_[count_++] = {field, previous};
  return true;
}

void TabRing::Clear() {
  for (int i = 0; i < count_; ++i) {
    const Entry& entry = entries_[i];
    if (IsWindow(entry.field)) {
      SetWindowLongPtrW(entry.field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry.previous));
      RemovePropW(entry.field, kRingProperty);
    }
  }
  entries_ = {};
  count_ = 0;
}

int TabRing::IndexOf(HWND field) const {
  for (int i = 0; i < count_; ++i) {
    if (entries_[i].field == field)
      return i;
  }
  return -1;
}

HWND TabRing::Next(HWND field, bool backward) const {
  const int start = IndexOf(field);
  if (start < 0)
    return field;
  const int step = backward ? count_ - 1 : 1;
  for (int i = (start + step) % count_; i != start; i = (i + step) % count_) {
    if (CanTakeFocus(entries_[i].field))
      return entries_[i].field;
  }
  return field;
}

void TabRing::MoveFocus(HWND from, bool backward) const {
  HWND reached = Next(from, backward);
  SetFocus(reached);
  // Posted, so that it follows whatever the field does on receiving the focus.
  PostMessageW(reached, EM_SETSEL, 0, GetWindowTextLengthW(reached));
}

LRESULT CALLBACK TabRing::FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* ring = static_cast<const TabRing*>(GetPropW(field, kRingProperty));
  const int index = ring != nullptr ? ring->IndexOf(field) : -1;
  if (index < 0)
    return DefWindowProcW(field, message, wParam, lParam);
  if (message == WM_KEYDOWN && wParam == VK_TAB) {
    ring->MoveFocus(field, GetAsyncKeyState(VK_SHIFT) < 0);
    return 0;
  }
  return CallWindowProcW(ring->entries_[index].previous, field, message, wParam, lParam);
}

}  // namespace panels
