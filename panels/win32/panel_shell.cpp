#include "panels/win32/panel_shell.h"

#include <array>
#include <cwchar>
#include <new>
#include <vector>

#include "host/ai_error.h"
#include "host/suite_pointers.h"
#include "host/unicode_string.h"
#include "panels/win32/bmp_bitmap.h"
#include "panels/win32/control_painting.h"
#include "panels/win32/control_values.h"
#include "panels/win32/plugin_resource.h"

namespace panels {

namespace {

constexpr char kShowOptions[] = "オプションを表示";
constexpr char kHideOptions[] = "オプションを隠す";

constexpr int kPanelFontHeight = 14;
constexpr wchar_t kPanelFontFace[] = L"MS UI Gothic";

constexpr char kPanelIcon[] = "PANEL_ICON";
constexpr size_t kIconChunk = 1024;
constexpr size_t kLargestIcon = 64 * 1024;
constexpr size_t kBitmapBuffer = 2048;

}  // namespace

PanelShell::PanelShell(host::PluginHandle plugin, host::MenuItemHandle menuItem,
                       const PanelKind& kind)
    : plugin_(plugin), menuItem_(menuItem), kind_(kind) {}

PanelShell::~PanelShell() {
  TearDown();
}

void PanelShell::Construct() {
  try {
    status_ = Build();
  } catch (const ai::Error& error) {
    status_ = error.code();
  } catch (const std::bad_alloc&) {
    status_ = host::kOutOfMemory;
  }
}

host::ErrorCode PanelShell::Build() {
  host::ErrorCode error = host::kNoError;
  if (kind_.stateCount > 1 && (error = CreateFlyout()) != host::kNoError)
    return error;
  if ((error = CreateHostPanel()) != host::kNoError)
    return error;
  if ((error = SetSizesOfState(1)) != host::kNoError)
    return error;
  if ((error = host::sPanel->Show(panel_, true)) != host::kNoError)
    return error;
  if ((error = RegisterCallbacks()) != host::kNoError)
    return error;
  ShowVisibilityInMenu();
  SetIcon();
  if ((error = CreateChildControls()) != host::kNoError)
    return error;
  LoadSettings();
  settingsLoaded_ = true;
  if (kind_.stateCount > 1)
    return host::sPanel->SetState(panel_, 1);
  return host::kNoError;
}

host::ErrorCode PanelShell::CreateFlyout() {
  const host::ErrorCode error = host::sFlyoutMenu->Create(&flyout_);
  if (error != host::kNoError)
    return error;
  const ai::UnicodeString text{std::string_view(kShowOptions)};
  return host::sFlyoutMenu->AppendItem(flyout_, kOptionsFlyoutItem, text.handle());
}

host::ErrorCode PanelShell::CreateHostPanel() {
  const ai::UnicodeString id{std::string_view(kind_.id)};
  const ai::UnicodeString title{std::string_view(kind_.title)};
  return host::sPanel->Create(plugin_, id.handle(), title.handle(), kind_.stateCount,
                              kind_.sizes[0], false, flyout_, this, &panel_);
}

host::ErrorCode PanelShell::SetSizesOfState(int16_t state) {
  const host::Size size = kind_.sizes[state == 2 ? 1 : 0];
  return host::sPanel->SetSizes(panel_, size, size, size, size);
}

// A panel with one state has no flyout menu and learns only of its visibility.
host::ErrorCode PanelShell::RegisterCallbacks() {
  if (kind_.stateCount > 1) {
    host::ErrorCode error =
        host::sPanel->SetFlyoutMenuPreVisibilityProc(panel_, &PanelShell::OnFlyoutOpening);
    if (error == host::kNoError)
      error = host::sPanel->SetFlyoutMenuProc(panel_, &PanelShell::OnFlyoutCommand);
    if (error != host::kNoError)
      return error;
  }
  host::ErrorCode error =
      host::sPanel->SetVisibilityChangedNotifyProc(panel_, &PanelShell::OnVisibilityChanged);
  if (error == host::kNoError && kind_.stateCount > 1)
    error = host::sPanel->SetStateChangedNotifyProc(panel_, &PanelShell::OnStateChanged);
  return error;
}

// The panel was shown before the visibility callback was registered: the menu item learns of
// it here, so that its check mark matches the panel from the start.
void PanelShell::ShowVisibilityInMenu() {
  bool shown = false;
  if (host::sPanel->IsShown(panel_, &shown) == host::kNoError)
    host::sMenu->CheckItem(menuItem_, shown);
}

// Without its icon the panel still works: a failure here is not kept.
void PanelShell::SetIcon() {
  std::vector<char> icon(kLargestIcon);
  size_t size = 0;
  if (ReadPluginResource(plugin_, kPngResource, kPanelIcon, kIconChunk, icon, size) ==
      host::kNoError) {
    host::sPanel->SetIcon(panel_, icon.data(), static_cast<uint32_t>(size), 0, 0);
  }
}

host::ErrorCode PanelShell::CreateChildControls() {
  host::PlatformWindow platformWindow = nullptr;
  const host::ErrorCode error = host::sPanel->GetPlatformWindow(panel_, &platformWindow);
  if (error != host::kNoError)
    return error;
  window_ = static_cast<HWND>(platformWindow);
  if (window_ == nullptr || !IsWindow(window_)) {
    window_ = nullptr;
    return kPanelWindowFailure;
  }
  // Default weight, in Japanese Windows' interface face with the Japanese character set, so that
  // Latin letters, digits and Japanese come from one face that has them all. A face asked for by
  // character set alone is whatever the system finds first for it, which may be a Japanese font
  // without Latin letters: the digits and the type names would then be drawn as boxes.
  LOGFONTW description{};
  description.lfHeight = kPanelFontHeight;
  description.lfCharSet = SHIFTJIS_CHARSET;
  wcscpy(description.lfFaceName, kPanelFontFace);
  font_ = CreateFontIndirectW(&description);
  if (font_ == nullptr || !CreateControls())
    return kPanelWindowFailure;
  return SubclassWindow();
}

host::ErrorCode PanelShell::SubclassWindow() {
  if (!SetPropW(window_, kind_.property, this))
    return kPanelWindowFailure;
  previousProcedure_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kind_.procedure)));
  if (previousProcedure_ == nullptr) {
    RemovePropW(window_, kind_.property);
    return kPanelWindowFailure;
  }
  return host::kNoError;
}

HWND PanelShell::AddControl(const ControlSpec& spec) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
  const std::wstring text = spec.text != nullptr ? Wide(spec.text) : std::wstring();
  HWND control =
      CreateWindowExW(0, spec.className, text.c_str(), WS_CHILD | WS_VISIBLE | spec.style, spec.x,
                      spec.y, spec.width, spec.height, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
  if (control == nullptr)
    return nullptr;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  controls_.push_back({control, spec.role, nullptr});
  if (spec.role == ControlRole::kGroupFrame && !AttachGroupFrame(control))
    return nullptr;
  return control;
}

HWND PanelShell::AddBitmapButton(const ControlSpec& spec, const char* bitmapName) {
  HWND button = AddControl(spec);
  if (button == nullptr)
    return nullptr;
  std::array<char, kBitmapBuffer> file;
  size_t size = 0;
  if (ReadPluginResource(plugin_, kBmpResource, bitmapName, kBitmapBuffer, file, size) ==
      host::kNoError) {
    controls_.back().bitmap = BitmapFromBmpFile(std::span<const char>(file.data(), size));
  }
  return button;
}

bool PanelShell::AddControls(std::span<const ControlEntry> entries, std::vector<HWND>* made) {
  for (const ControlEntry& entry : entries) {
    HWND control = entry.bitmap != nullptr ? AddBitmapButton(entry.spec, entry.bitmap)
                                           : AddControl(entry.spec);
    if (control == nullptr)
      return false;
    if (made != nullptr)
      made->push_back(control);
    if (entry.slot != nullptr)
      *entry.slot = control;
    if (entry.textLimit > 0)
      SendMessageW(control, EM_LIMITTEXT, entry.textLimit, 0);
    if (entry.inTabRing && !AddToTabRing(control))
      return false;
  }
  return true;
}

void PanelShell::TearDown() {
  if (tornDown_)
    return;
  tornDown_ = true;
  if (settingsLoaded_)
    SaveSettings();
  for (Control& control : controls_) {
    if (control.bitmap != nullptr)
      DeleteObject(control.bitmap);
    control.bitmap = nullptr;
  }
  tabRing_.Clear();
  for (const Control& control : controls_) {
    if (control.role == ControlRole::kGroupFrame)
      DetachGroupFrame(control.window);
  }
  if (window_ != nullptr) {
    RemovePropW(window_, kind_.property);
    if (previousProcedure_ != nullptr) {
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProcedure_));
    }
    DestroyWindow(window_);
  }
  controls_.clear();
  // Without the host's suites (the plug-in let go of them) the host panel is the host's affair.
  if (panel_ != nullptr && host::sPanel != nullptr)
    host::sPanel->Destroy(panel_);
  if (flyout_ != nullptr && host::sFlyoutMenu != nullptr)
    host::sFlyoutMenu->Destroy(flyout_);
  brushes_.Clear();
  if (font_ != nullptr)
    DeleteObject(font_);
  font_ = nullptr;
  window_ = nullptr;
  previousProcedure_ = nullptr;
  panel_ = nullptr;
  flyout_ = nullptr;
}

void PanelShell::Toggle() {
  if (panel_ == nullptr || host::sPanel == nullptr)
    return;
  bool shown = false;
  if (host::sPanel->IsShown(panel_, &shown) == host::kNoError)
    host::sPanel->Show(panel_, !shown);
}

PanelShell* PanelShell::FromHostPanel(host::PanelHandle panel) {
  void* userData = nullptr;
  if (host::sPanel == nullptr || host::sPanel->GetUserData(panel, &userData) != host::kNoError)
    return nullptr;
  return static_cast<PanelShell*>(userData);
}

void PanelShell::OnFlyoutOpening(host::PanelHandle panel) {
  try {
    host::FlyoutMenuHandle flyout = nullptr;
    int16_t state = 1;
    if (host::sPanel == nullptr || host::sPanel->GetFlyoutMenu(panel, &flyout) != host::kNoError ||
        host::sPanel->GetState(panel, &state) != host::kNoError) {
      return;
    }
    const ai::UnicodeString text{std::string_view(state == 2 ? kHideOptions : kShowOptions)};
    host::sFlyoutMenu->SetItemText(flyout, kOptionsFlyoutItem, text.handle());
  } catch (...) {
    // The item keeps its text.
  }
}

void PanelShell::OnFlyoutCommand(host::PanelHandle panel, uint32_t item) {
  int16_t state = 1;
  if (item != kOptionsFlyoutItem || host::sPanel == nullptr ||
      host::sPanel->GetState(panel, &state) != host::kNoError) {
    return;
  }
  host::sPanel->SetState(panel, state == 1 ? 2 : 1);
}

void PanelShell::OnVisibilityChanged(host::PanelHandle panel, bool visible) {
  PanelShell* shell = FromHostPanel(panel);
  if (shell != nullptr && host::sMenu != nullptr)
    host::sMenu->CheckItem(shell->menuItem_, visible);
}

void PanelShell::OnStateChanged(host::PanelHandle panel, int16_t state) {
  try {
    PanelShell* shell = FromHostPanel(panel);
    if (shell == nullptr)
      return;
    shell->SetSizesOfState(state);
    if (shell->window_ != nullptr)
      shell->EnableOptionFields(state == 2);
  } catch (...) {
    // The fields keep their enabled states.
  }
}

void InsertAtSelection(HWND field, const wchar_t* text) {
  SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  SetFocus(field);
}

void FocusIfAny(HWND control) {
  if (control != nullptr)
    SetFocus(control);
}

}  // namespace panels
