#include "emulator/win32/screen_capture.h"

#include <cstdint>
#include <vector>

#include "emulator/win32/png_file.h"

namespace emulator {

namespace {

struct Owned {
  HWND owner;
  RECT bounds;
};

BOOL CALLBACK IncludeOwned(HWND window, LPARAM context) {
  auto& owned = *reinterpret_cast<Owned*>(context);
  RECT bounds{};
  if (GetWindow(window, GW_OWNER) == owned.owner && IsWindowVisible(window) &&
      GetWindowRect(window, &bounds)) {
    UnionRect(&owned.bounds, &owned.bounds, &bounds);
  }
  return TRUE;
}

}  // namespace

RECT WindowWithOwnedWindows(HWND window) {
  Owned owned{window, {}};
  GetWindowRect(window, &owned.bounds);
  EnumWindows(&IncludeOwned, reinterpret_cast<LPARAM>(&owned));
  return owned.bounds;
}

bool CaptureScreen(const RECT& area, const std::wstring& path) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0)
    return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);

  // 32 bits a pixel, blue first, rows top to bottom.
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
  const int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != height)
    return false;

  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<size_t>(width) * height * 3);
  for (size_t at = 0; at < pixels.size(); at += 4)
    rgb.insert(rgb.end(), {pixels[at + 2], pixels[at + 1], pixels[at]});
  return WritePngFile(path, width, height, rgb);
}

}  // namespace emulator
