// A device-independent bitmap section made from the bytes of a Windows BMP file.
#pragma once

#include <windows.h>

#include <span>

namespace panels {

// Every size and offset the file gives is checked against the bytes before it is used; null for
// a file that is not an uncompressed BMP lying wholly within the bytes.
HBITMAP BitmapFromBmpFile(std::span<const char> file);

}  // namespace panels
