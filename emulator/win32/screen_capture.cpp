#include "emulator/win32/screen_capture.h"

#include <cstdint>
#include <fstream>
#include <vector>

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

template <typename Value>
void Put(std::ofstream& out, Value value) {
  out.write(reinterpret_cast<const char*>(&value), sizeof value);
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

  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files hold it
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  header.biSizeImage = stride * static_cast<uint32_t>(height);
  std::vector<char> pixels(header.biSizeImage);
  const int rows = GetDIBits(memory, bitmap, 0, height, pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != height)
    return false;

  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  const uint32_t offset = 14 + sizeof header;
  out.write("BM", 2);
  Put<uint32_t>(out, offset + header.biSizeImage);
  Put<uint32_t>(out, 0);
  Put<uint32_t>(out, offset);
  Put(out, header);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace emulator
