// Texts and values of the panels' windows. Texts pass between the panels, which hold UTF-8, and
// Win32, which is given UTF-16 through the W functions only, so that the Japanese texts read
// correctly whatever the system code page; check boxes, list entries, and texts written only when
// they change.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace panels {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The window's text as UTF-8, at most `limit` UTF-16 units of it.
std::string ReadText(HWND window, int limit);
// Replaces the window's text (for an edit field this sends its change notifications).
void WriteText(HWND window, std::string_view utf8);

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
