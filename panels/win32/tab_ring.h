// Keyboard navigation between the numeric fields of one panel: Tab moves to the next field of the
// ring, Shift+Tab to the previous one, wrapping around and skipping fields that are disabled or
// hidden, and the text of the field reached is selected. The panel windows are not dialogs, so
// without this Tab would do nothing in them.
#pragma once

#include <windows.h>

#include <array>

namespace panels {

class TabRing {
 public:
  static constexpr int kCapacity = 64;

  TabRing() = default;
  ~TabRing();
  TabRing(const TabRing&) = delete;
  TabRing& operator=(const TabRing&) = delete;

  // Subclasses the field and appends it to the ring. Refused (the field is left as it was) when
  // the ring is full or the field cannot be subclassed.
  bool Add(HWND field);
  // Gives every field its own procedure back and empties the ring.
  void Clear();
  int size() const { return count_; }

  // Where Tab (Shift+Tab when backward) leads from the field: the next field in the ring that is
  // enabled and visible, at most once around; the field itself when there is none.
  HWND Next(HWND field, bool backward) const;

 private:
  struct Entry {
    HWND field = nullptr;
    WNDPROC previous = nullptr;
  };

  static LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam);
  int IndexOf(HWND field) const;
  // Moves the focus along the ring and selects the whole text of the field reached.
  void MoveFocus(HWND from, bool backward) const;

  std::array<Entry, kCapacity> entries_{};
  int count_ = 0;
};

}  // namespace panels
