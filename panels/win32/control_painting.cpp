#include "panels/win32/control_painting.h"

#include <array>

#include "panels/win32/panel_colours.h"

namespace panels {

namespace {

constexpr int kBitmapButtonSide = 18;
constexpr int kCaptionIndent = 7;
constexpr int kLongestButtonText = 127;

// The window's text, at most 127 characters.
struct ButtonText {
  explicit ButtonText(HWND window) : length(GetWindowTextW(window, units.data(), units.size())) {}
  std::array<wchar_t, kLongestButtonText + 1> units{};
  int length;
};

// Selects the font into the device context for the object's life.
class SelectedFont {
 public:
  SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
  ~SelectedFont() { SelectObject(dc_, previous_); }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The frame's own procedure, kept while it is subclassed.
constexpr wchar_t kPreviousProperty[] = L"BarquillFrameProcedure";

WNDPROC PreviousProcedure(HWND frame) {
  return reinterpret_cast<WNDPROC>(GetPropW(frame, kPreviousProperty));
}

LRESULT CALLBACK GroupFrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    default:
      break;
  }
  const WNDPROC previous = PreviousProcedure(frame);
  return previous != nullptr ? CallWindowProcW(previous, frame, message, wParam, lParam)
                             : DefWindowProcW(frame, message, wParam, lParam);
}

}  // namespace

void DrawPushButton(const DRAWITEMSTRUCT& item, HFONT font, HBRUSH face) {
  RECT bounds = item.rcItem;
  FillRect(item.hDC, &bounds, face);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawEdge(item.hDC, &bounds, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  const ButtonText text(item.hwndItem);
  const SelectedFont selected(item.hDC, font);
  SetTextColor(item.hDC, kButtonInk);
  SetBkMode(item.hDC, TRANSPARENT);
  DrawTextW(item.hDC, text.units.data(), text.length, &bounds,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawBitmapButton(const DRAWITEMSTRUCT& item, HBITMAP bitmap) {
  if (bitmap == nullptr)
    return;
  HDC source = CreateCompatibleDC(item.hDC);
  if (source == nullptr)
    return;
  const HGDIOBJ previous = SelectObject(source, bitmap);
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, kBitmapButtonSide, kBitmapButtonSide, source,
         0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

void DrawGroupFrame(const DRAWITEMSTRUCT& item, HFONT font, COLORREF panelColour,
                    HBRUSH panelBrush) {
  RECT bounds = item.rcItem;
  FillRect(item.hDC, &bounds, panelBrush);
  const SelectedFont selected(item.hDC, font);
  SIZE letter{};
  GetTextExtentPoint32W(item.hDC, L"A", 1, &letter);
  RECT edge = bounds;
  edge.top += letter.cy / 2;
  DrawEdge(item.hDC, &edge, EDGE_ETCHED, BF_RECT);
  const ButtonText caption(item.hwndItem);
  SetTextColor(item.hDC, InkOn(panelColour));
  SetBkMode(item.hDC, OPAQUE);
  SetBkColor(item.hDC, panelColour);
  TextOutW(item.hDC, bounds.left + kCaptionIndent, bounds.top, caption.units.data(),
           caption.length);
}

bool AttachGroupFrame(HWND frame) {
  const LONG_PTR previous = GetWindowLongPtrW(frame, GWLP_WNDPROC);
  if (previous == 0 || !SetPropW(frame, kPreviousProperty, reinterpret_cast<HANDLE>(previous)))
    return false;
  if (SetWindowLongPtrW(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GroupFrameProcedure)) ==
      0) {
    RemovePropW(frame, kPreviousProperty);
    return false;
  }
  return true;
}

void DetachGroupFrame(HWND frame) {
  const WNDPROC previous = PreviousProcedure(frame);
  if (previous == nullptr)
    return;
  SetWindowLongPtrW(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  RemovePropW(frame, kPreviousProperty);
}

}  // namespace panels
