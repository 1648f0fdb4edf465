// What the screen shows, written to a file: the host's screenshot.
#pragma once

#include <windows.h>

#include <string>

namespace emulator {

// Writes the screen's pixels inside the rectangle as a PNG file; false when it cannot.
bool CaptureScreen(const RECT& area, const std::wstring& path);

// The rectangle around the window and every visible top-level window it owns.
RECT WindowWithOwnedWindows(HWND window);

}  // namespace emulator
