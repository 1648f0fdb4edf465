// The panels' colours. Buttons have colours of their own; text on the panel follows the host's
// panel background, sampled from the panel window, so that it reads on a light and on a dark host
// interface alike. A panel answers colour requests with brushes made once per colour.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace panels {

inline constexpr COLORREF kButtonInk = RGB(43, 62, 96);
inline constexpr COLORREF kButtonFace = RGB(180, 203, 233);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);

// The colour of the panel window's pixel at (2, 2): the host's panel background. The system's
// face colour when the pixel cannot be read.
COLORREF SamplePanelColour(HWND panel);

// Black text on a background whose colour value (red in the low byte) exceeds 0x525252, else
// white.
COLORREF InkOn(COLORREF background);

// The brushes a panel answers colour requests with: one per colour, made when first asked for,
// kept for the panel's life and deleted with it.
class BrushCache {
 public:
  BrushCache() = default;
  ~BrushCache();
  BrushCache(const BrushCache&) = delete;
  BrushCache& operator=(const BrushCache&) = delete;

  // The brush of the colour; null when GDI cannot make one.
  HBRUSH Get(COLORREF colour);
  // Deletes every brush.
  void Clear();

 private:
  std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
};

}  // namespace panels
