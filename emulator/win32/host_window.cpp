#include "emulator/win32/host_window.h"

#include <commdlg.h>

#include <array>
#include <string_view>

#include "emulator/svg_writer.h"
#include "emulator/win32/gdi_canvas.h"
#include "host/utf.h"

namespace emulator {

namespace {

constexpr wchar_t kWindowClass[] = L"BarquillHostWindow";
constexpr wchar_t kTitle[] = L"Barquill host";

std::wstring Wide(std::string_view text) {
  const std::u16string units = host::Utf8ToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

void RegisterWindowClass(WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kWindowClass, &windowClass))
    return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

size_t ArtCount(const Document* document) {
  size_t count = 0;
  if (document != nullptr)
    document->Visit([&](const Art&) { ++count; });
  return count;
}

}  // namespace

HostWindow::HostWindow(Emulator& emulator, PluginHost& plugin, bool interactive)
    : emulator_(emulator), plugin_(plugin), interactive_(interactive) {
  RegisterWindowClass(&Procedure);
  window_ = CreateWindowExW(0, kWindowClass, kTitle, WS_OVERLAPPEDWINDOW, 20, 20, 1000, 700,
                            nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (window_ != nullptr) {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
  }
}

HostWindow::~HostWindow() {
  if (window_ != nullptr)
    DestroyWindow(window_);
}

void HostWindow::RebuildMenu() {
  HMENU previous = GetMenu(window_);
  SetMenu(window_, menu_.Build(emulator_.menus()));
  if (previous != nullptr)
    DestroyMenu(previous);
}

void HostWindow::Refresh() {
  menu_.RefreshChecks(emulator_.menus());
  if (ArtCount(emulator_.document()) != paintedArt_)
    InvalidateRect(window_, nullptr, TRUE);
  if (interactive_)
    ShowNewAlerts();
}

void HostWindow::ShowNewAlerts() {
  const auto& alerts = emulator_.alerts();
  while (alertsShown_ < alerts.size()) {
    const std::wstring text = Wide(alerts[alertsShown_++]);
    MessageBoxW(window_, text.c_str(), kTitle, MB_OK | MB_ICONINFORMATION);
  }
}

void HostWindow::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    Refresh();
  }
}

LRESULT CALLBACK HostWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (host == nullptr || host->window_ != window)
    return DefWindowProcW(window, message, wParam, lParam);
  try {
    return host->OnMessage(message, wParam, lParam);
  } catch (...) {
    // Out of memory while drawing or saving: the command is dropped, the host carries on.
    return 0;
  }
}

LRESULT HostWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0) {
        OnCommand(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_INITMENUPOPUP:
      menu_.RefreshChecks(emulator_.menus());
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CLOSE:
      // The caller shuts the plug-in down before the window (which owns the panels) goes.
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void HostWindow::OnCommand(UINT command) {
  if (const host::MenuItemHandle item = menu_.ItemOf(command)) {
    plugin_.ChooseMenuItem(item);
    Refresh();
    return;
  }
  switch (command) {
    case kNewDocumentCommand:
      emulator_.NewDocument();
      break;
    case kCloseDocumentCommand:
      emulator_.CloseDocument();
      break;
    case kSaveSvgCommand:
      SaveWithDialog();
      break;
    case kExitCommand:
      PostMessageW(window_, WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
  InvalidateRect(window_, nullptr, TRUE);
}

void HostWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  PaintDocumentView(dc, client, emulator_.document());
  paintedArt_ = ArtCount(emulator_.document());
  EndPaint(window_, &paint);
}

void HostWindow::SaveWithDialog() {
  const Document* document = emulator_.document();
  if (document == nullptr || !interactive_)
    return;
  std::array<wchar_t, MAX_PATH> file{L"barquill.svg"};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_;
  dialog.lpstrFilter = L"SVG (*.svg)\0*.svg\0";
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = file.size();
  dialog.lpstrDefExt = L"svg";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
  if (!GetSaveFileNameW(&dialog))
    return;
  const std::wstring_view chosen(file.data());
  const WriteResult result =
      WriteSvg(*document, host::Utf16ToUtf8(std::u16string(chosen.begin(), chosen.end())), {});
  if (!result.ok())
    MessageBoxW(window_, Wide(result.error).c_str(), kTitle, MB_OK | MB_ICONERROR);
}

}  // namespace emulator
