#include "panels/win32/group_frame.h"

namespace panels {

namespace {

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
