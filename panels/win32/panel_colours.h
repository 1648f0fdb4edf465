// The panels' colours. Buttons have colours of their own; text on the panel follows the host's
// panel background, sampled from the panel window, so that it reads on a light and on a dark host
// interface alike.
#pragma once

#include <windows.h>

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

}  // namespace panels
