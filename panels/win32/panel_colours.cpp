#include "panels/win32/panel_colours.h"

namespace panels {

namespace {

constexpr COLORREF kDarknessThreshold = 0x525252;

}  // namespace

COLORREF SamplePanelColour(HWND panel) {
  HDC dc = GetDC(panel);
  const COLORREF colour = dc != nullptr ? GetPixel(dc, 2, 2) : CLR_INVALID;
  if (dc != nullptr)
    ReleaseDC(panel, dc);
  return colour == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : colour;
}

COLORREF InkOn(COLORREF background) {
  return background > kDarknessThreshold ? kBlack : kWhite;
}

BrushCache::~BrushCache() {
  Clear();
}

HBRUSH BrushCache::Get(COLORREF colour) {
  for (const auto& [known, brush] : brushes_) {
    if (known == colour)
      return brush;
  }
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush != nullptr)
    brushes_.emplace_back(colour, brush);
  return brush;
}

void BrushCache::Clear() {
  for (const auto& entry : brushes_)
    DeleteObject(entry.second);
  brushes_.clear();
}

}  // namespace panels
