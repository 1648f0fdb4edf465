// Reading and writing the values of the panels' controls: check boxes, list entries, and texts
// written only when they change.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace panels {

// Fields are read whole (beyond any limit typing can reach), so that a text too long for its
// field fails the field's rule instead of being cut to fit it.
inline constexpr int kFieldReadLimit = 255;

// A combo box is created as tall as its dropped list; the closed box keeps the height the font
// gives it.
constexpr int DroppedHeight(int closedHeight, int entries) {
  constexpr int kListEntryHeight = 16;
  return closedHeight + entries * kListEntryHeight + 2;
}

bool IsChecked(HWND button);
void SetChecked(HWND button, bool checked);

// Appends the UTF-8 entry, or entries, to the list.
void AddListItem(HWND list, std::string_view entry);
void AddListItems(HWND list, std::initializer_list<std::string_view> entries);

// Writing a field sends its change notifications; an unchanged text is left alone so that
// nothing reacts to a change that did not happen.
void WriteIfChanged(HWND control, std::string_view text);

}  // namespace panels
