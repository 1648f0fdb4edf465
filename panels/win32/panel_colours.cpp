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

}  // namespace panels
