// Helpers of the Win32 tests: texts between UTF-8 and the W functions, and typing into, clicking
// and reading controls as the user's actions reach them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/art.h"
#include "emulator/win32/host_session.h"

namespace win32_test {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The control's text as UTF-8.
std::string TextOf(HWND control);
// Replaces the text the way typing does: an edit field (or a list's edit part) gets WM_SETTEXT
// and notifies its parent.
void Type(HWND control, std::string_view utf8);
// The edit part of a list with one, else the control itself.
HWND EditPartOf(HWND control);
void Click(HWND button);
// Chooses a list entry as the user does, with the selection notification.
void Choose(HWND list, int entry);
// Whether the focus is on the control or inside it.
bool HasFocus(HWND control);

// A symbol's art as text: every path's corners and fill, every text with its place, size and
// font, groups and compound paths with their parts. Equal texts mean equal art.
std::string Describe(const emulator::Art& art);

// The symbols in the session's document; none without a document.
size_t SymbolCount(emulator::HostSession& session);
// Clicks the button and expects the host's resources to balance after the action; the alerts the
// click raised.
std::vector<std::string> ClickForAlerts(emulator::HostSession& session, HWND button);

}  // namespace win32_test
