#include "emulator/win32/panel_frames.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "emulator/handle_table.h"
#include "host/utf.h"

namespace emulator {

namespace {

constexpr wchar_t kFrameClass[] = L"BarquillHostPanelFrame";
constexpr wchar_t kContentClass[] = L"BarquillHostPanel";
constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kFrameExtendedStyle = WS_EX_TOOLWINDOW;
constexpr int kCascade = 30;

HINSTANCE Instance() {
  return GetModuleHandleW(nullptr);
}

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(Instance(), name, &existing))
    return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = Instance();
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

// A panel is as many pixels wide and high as it has points.
SIZE ClientSize(host::Size size) {
  return {std::lround(size.width), std::lround(size.height)};
}

SIZE FrameSizeFor(SIZE client) {
  RECT bounds{0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&bounds, kFrameStyle, FALSE, kFrameExtendedStyle);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

PanelFrames* FramesOf(HWND window) {
  return reinterpret_cast<PanelFrames*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

BOOL CALLBACK CountProperty(HWND, LPWSTR name, HANDLE, ULONG_PTR count) {
  // Wine keeps properties of its own on some windows.
  const bool own = !IS_INTRESOURCE(name) && std::wstring_view(name).starts_with(L"__wine");
  if (!own)
    ++*reinterpret_cast<int*>(count);
  return TRUE;
}

}  // namespace

PanelFrames::PanelFrames(Emulator& emulator, HWND owner, COLORREF background)
    : emulator_(emulator), owner_(owner), background_(CreateSolidBrush(background)) {
  RegisterWindowClass(kFrameClass, &FrameProcedure);
  RegisterWindowClass(kContentClass, &ContentProcedure);
}

PanelFrames::~PanelFrames() {
  for (const Frame& frame : frames_) {
    if (IsWindow(frame.frame))
      DestroyWindow(frame.frame);
  }
  DeleteObject(background_);
}

host::PlatformWindow PanelFrames::Create(const PanelRecord& panel) {
  const SIZE client = ClientSize(panel.sizes.preferred);
  const SIZE frameSize = FrameSizeFor(client);
  const POINT position = NextPosition(frameSize);
  const std::u16string title = host::Utf8ToUtf16(panel.title);
  const std::wstring wideTitle(title.begin(), title.end());
  HWND frame =
      CreateWindowExW(kFrameExtendedStyle, kFrameClass, wideTitle.c_str(), kFrameStyle, position.x,
                      position.y, frameSize.cx, frameSize.cy, owner_, nullptr, Instance(), nullptr);
  if (frame == nullptr)
    return nullptr;
  HWND content = CreateWindowExW(0, kContentClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, client.cx,
                                 client.cy, frame, nullptr, Instance(), nullptr);
  if (content == nullptr) {
    DestroyWindow(frame);
    return nullptr;
  }
  SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(content, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // The emulator keeps the record at this address, which is the panel's handle.
  frames_.push_back(
      {frame, content, HandleTable<host::PanelHandle, PanelRecord>::HandleOf(&panel)});
  ++created_;
  return content;
}

POINT PanelFrames::NextPosition(SIZE frameSize) const {
  const int offset = kCascade * (created_ % 8);
  RECT owner{};
  if (owner_ != nullptr && GetWindowRect(owner_, &owner))
    return {owner.right - frameSize.cx - 24 - offset, owner.top + 80 + offset};
  return {40 + offset, 40 + offset};
}

void PanelFrames::Show(host::PlatformWindow window, bool show) {
  HWND frame = FrameOf(window);
  if (frame == nullptr)
    return;
  ShowWindow(frame, show ? SW_SHOWNOACTIVATE : SW_HIDE);
  if (show)
    UpdateWindow(frame);
}

void PanelFrames::Resize(host::PlatformWindow window, host::Size size) {
  const Frame* frame = Find(static_cast<HWND>(window));
  if (frame == nullptr)
    return;
  const SIZE client = ClientSize(size);
  const SIZE frameSize = FrameSizeFor(client);
  SetWindowPos(frame->frame, nullptr, 0, 0, frameSize.cx, frameSize.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (IsWindow(frame->content)) {
    SetWindowPos(frame->content, nullptr, 0, 0, client.cx, client.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// The plug-in may have destroyed its platform window already; the frame goes now. A platform
// window destroyed while the plug-in's procedure still handled it never reached its own.
void PanelFrames::Destroy(host::PlatformWindow window) {
  const auto found = std::find_if(frames_.begin(), frames_.end(), [&](const Frame& frame) {
    return frame.content == static_cast<HWND>(window);
  });
  if (found == frames_.end())
    return;
  const bool tidy = IsWindow(found->content) ? IsTidy(found->content) : found->contentSawItsEnd;
  if (!tidy)
    ++untidyWindows_;
  if (IsWindow(found->frame))
    DestroyWindow(found->frame);
  frames_.erase(found);
}

HWND PanelFrames::FrameOf(host::PlatformWindow window) const {
  const Frame* frame = Find(static_cast<HWND>(window));
  return frame != nullptr ? frame->frame : nullptr;
}

const PanelFrames::Frame* PanelFrames::Find(HWND window) const {
  for (const Frame& frame : frames_) {
    if (frame.content == window || frame.frame == window)
      return &frame;
  }
  return nullptr;
}

PanelFrames::Frame* PanelFrames::Find(HWND window) {
  return const_cast<Frame*>(std::as_const(*this).Find(window));
}

bool PanelFrames::IsTidy(HWND content) {
  int properties = 0;
  EnumPropsExW(content, &CountProperty, reinterpret_cast<LPARAM>(&properties));
  const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(content, GWLP_WNDPROC));
  return properties == 0 && procedure == &ContentProcedure;
}

LRESULT CALLBACK PanelFrames::FrameProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  PanelFrames* frames = FramesOf(window);
  if (message == WM_CLOSE && frames != nullptr) {
    if (const Frame* frame = frames->Find(window))
      frames->emulator_.SetPanelShown(frame->panel, false);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK PanelFrames::ContentProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  PanelFrames* frames = FramesOf(window);
  if (frames != nullptr) {
    switch (message) {
      case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, frames->background_);
        return 1;
      }
      case WM_DESTROY:
        if (Frame* frame = frames->Find(window))
          frame->contentSawItsEnd = IsTidy(window);
        break;
      default:
        break;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace emulator
