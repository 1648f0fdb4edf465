// The panel window's messages: what every panel answers alike (sizes, drawing, colours), then
// the panel's own commands.
#include "panels/win32/control_painting.h"
#include "panels/win32/panel_colours.h"
#include "panels/win32/panel_shell.h"

namespace panels {

namespace {

constexpr int kSeparatorMargin = 10;
constexpr int kSeparatorHeight = 2;

}  // namespace

LRESULT PanelShell::HandleMessage(PanelShell* panel, HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
  if (panel == nullptr)
    return DefWindowProcW(window, message, wParam, lParam);
  try {
    LRESULT result = 0;
    if (panel->OnMessage(message, wParam, lParam, result))
      return result;
  } catch (...) {
    // Nothing may pass into the host's message loop; the action simply ends.
    return 0;
  }
  const WNDPROC previous = panel->previousProcedure_;
  return previous != nullptr ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
}

bool PanelShell::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SIZE:
      ResizeSeparators(LOWORD(lParam));
      return false;  // the host's procedure learns of the size too
    case WM_DRAWITEM:
      result = TRUE;
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORBTN:
      result = reinterpret_cast<LRESULT>(
          OnButtonColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
      return result != 0;
    case WM_CTLCOLORSTATIC:
      result = reinterpret_cast<LRESULT>(
          OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
      return result != 0;
    case WM_COMMAND:
      result = 0;
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    default:
      return false;
  }
}

void PanelShell::ResizeSeparators(int clientWidth) {
  for (const Control& control : controls_) {
    if (control.role == ControlRole::kSeparator) {
      SetWindowPos(control.window, nullptr, 0, 0, clientWidth - kSeparatorMargin, kSeparatorHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

const PanelShell::Control* PanelShell::Find(HWND control) const {
  for (const Control& candidate : controls_) {
    if (candidate.window == control)
      return &candidate;
  }
  return nullptr;
}

bool PanelShell::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const Control* control = Find(item.hwndItem);
  if (control == nullptr)
    return false;
  switch (control->role) {
    case ControlRole::kPushButton:
      DrawPushButton(item, font_, brushes_.Get(kButtonFace));
      return true;
    case ControlRole::kBitmapButton:
      DrawBitmapButton(item, control->bitmap);
      return true;
    case ControlRole::kGroupFrame: {
      const COLORREF colour = SamplePanelColour(window_);
      DrawGroupFrame(item, font_, colour, brushes_.Get(colour));
      InvalidateFramedControls(item.hwndItem);
      return true;
    }
    default:
      return false;
  }
}

HBRUSH PanelShell::OnButtonColour(HDC dc, HWND control) {
  const Control* found = Find(control);
  if (found == nullptr ||
      (found->role != ControlRole::kPushButton && found->role != ControlRole::kBitmapButton)) {
    return nullptr;
  }
  SetTextColor(dc, kButtonInk);
  return brushes_.Get(kButtonFace);
}

HBRUSH PanelShell::OnStaticColour(HDC dc, HWND control) {
  const Control* found = Find(control);
  if (found == nullptr)
    return nullptr;
  if (found->role == ControlRole::kResult) {
    SetTextColor(dc, kBlack);
    SetBkColor(dc, kWhite);
    return brushes_.Get(kWhite);
  }
  if (found->role != ControlRole::kLabel)
    return nullptr;
  const COLORREF colour = SamplePanelColour(window_);
  SetTextColor(dc, InkOn(colour));
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, colour);
  return brushes_.Get(colour);
}

void PanelShell::InvalidateFramedControls(HWND frame) {
  RECT frameBounds{};
  GetWindowRect(frame, &frameBounds);
  for (const Control& control : controls_) {
    RECT bounds{};
    RECT overlap{};
    if (control.window == frame || !GetWindowRect(control.window, &bounds))
      continue;
    if (IntersectRect(&overlap, &frameBounds, &bounds))
      InvalidateRect(control.window, nullptr, TRUE);
  }
}

}  // namespace panels
