// Texts between the panels, which hold UTF-8, and Win32, which is given UTF-16 through the W
// functions only, so that the Japanese texts read correctly whatever the system code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace panels {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The window's text as UTF-8, at most `limit` UTF-16 units of it.
std::string ReadText(HWND window, int limit);
// Replaces the window's text (for an edit field this sends its change notifications).
void WriteText(HWND window, std::string_view utf8);

}  // namespace panels
