// What the three panels share: the host panel with its flyout item and states, the icon, the
// panel font, the child controls with their roles (owner-drawn buttons, bitmap button, group
// frame, labels whose colours follow the host's panel background), the tab ring, the panel
// window's subclassing through a window property naming the panel object, showing and hiding
// from the menu, and the tear-down in reverse order; and what the panels' commands share: the
// create action run inside the host's application context, text put into a field as typing puts
// it, and the focus moved to the control a form names.
//
// A panel kind derives from PanelShell, describes itself with a PanelKind, makes its controls in
// CreateControls and answers their commands in OnCommand. Its constructor calls Construct() and
// its destructor TearDown(), so that the shell's steps reach the panel's own.
//
// panels/win32/ holds the three views (databar_panel with its settings in databar_panel_settings,
// expanded_panel with expanded_panel_settings and the AI entry view ai_entry_view,
// medical128_panel), this shell (its window messages in panel_messages.cpp), and what the views
// are made of: control_values (UTF-16 texts and control values), control_painting (the
// owner-drawn controls and the group frame), panel_colours (colours and brushes), tab_ring,
// length_fields (the DataBar panels' length rows), registry_store (the stored settings),
// plugin_resource and bmp_bitmap (the plug-in's icon and button bitmaps). The views define the
// panel factories that frame/plugin_factory.h declares.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <vector>

#include "frame/app_context.h"
#include "frame/panel.h"
#include "host/error.h"
#include "host/geometry.h"
#include "host/handles.h"
#include "host/suite_pointers.h"
#include "panels/win32/panel_colours.h"
#include "panels/win32/tab_ring.h"

namespace panels {

// A window the panel needed could not be made (or the host panel has none).
inline constexpr host::ErrorCode kPanelWindowFailure = host::FourCharCode("PWN!");

// The 'BMPI' resource the panels' clear buttons show.
inline constexpr char kClearBitmap[] = "bmpClear";

// The flyout item that switches between the two states.
inline constexpr uint32_t kOptionsFlyoutItem = 1;

struct PanelKind {
  const char* id;           // host panel identifier, UTF-8
  const char* title;        // host panel title, UTF-8
  const wchar_t* property;  // the panel window's property naming the panel object
  WNDPROC procedure;        // PanelProcedure<property>
  // 1, or 2: options hidden (state 1) and shown (state 2), switched by the flyout item.
  int16_t stateCount;
  host::Size sizes[2];  // of state 1 and state 2
};

// What a control is to the shell: how it is coloured and drawn.
enum class ControlRole {
  kLabel,         // text on the panel (also check boxes and radio buttons): follows the panel
  kResult,        // a read-only result display: black on white
  kField,         // edits and lists: the system's colours
  kPushButton,    // owner-drawn push button
  kBitmapButton,  // owner-drawn 18 x 18 bitmap button
  kGroupFrame,    // owner-drawn frame around a block of fields
  kSeparator,     // sunken line across the panel, as wide as the panel less 10
};

struct ControlSpec {
  const wchar_t* className;
  const char* text;  // UTF-8; null for none
  int id;
  int x;
  int y;
  int width;
  int height;
  DWORD style;  // besides WS_CHILD | WS_VISIBLE
  ControlRole role;
};

// One control of a panel's layout table: how to make it, where the panel keeps it, what the
// keyboard may put into it, the bitmap it shows and whether Tab reaches it through the ring.
struct ControlEntry {
  ControlSpec spec;
  HWND* slot = nullptr;          // where the panel keeps the control, or null
  int textLimit = 0;             // characters an edit field takes from the keyboard; 0: no limit
  const char* bitmap = nullptr;  // the 'BMPI' resource a bitmap button shows
  bool inTabRing = false;
};

class PanelShell : public frame::Panel {
 public:
  ~PanelShell() override;
  PanelShell(const PanelShell&) = delete;
  PanelShell& operator=(const PanelShell&) = delete;

  host::ErrorCode status() const override { return status_; }
  void Toggle() override;

  host::PanelHandle hostPanel() const { return panel_; }
  HWND window() const { return window_; }
  const TabRing& tabRing() const { return tabRing_; }

  // The panel window procedure's body; `panel` is the object the window's property names.
  static LRESULT HandleMessage(PanelShell* panel, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam);

 protected:
  PanelShell(host::PluginHandle plugin, host::MenuItemHandle menuItem, const PanelKind& kind);

  // Builds the panel step by step; the first failing step leaves its code in status() and ends
  // construction, leaving the panel half-built for the plug-in to report.
  void Construct();
  // Saves the settings (when they were loaded) and undoes construction in reverse order.
  void TearDown();

  // Makes the controls (AddControls, AddControl, AddBitmapButton, AddToTabRing); false when one
  // could not be made.
  virtual bool CreateControls() = 0;
  // Fills the controls from the stored settings or the defaults, once they exist.
  virtual void LoadSettings() {}
  virtual void SaveSettings() {}
  // The option fields are enabled in state 2 and disabled in state 1.
  virtual void EnableOptionFields(bool /*optionsShown*/) {}
  // A notification from a control; true when the panel handled it.
  virtual bool OnCommand(int id, int notification, HWND control) = 0;

  // A child control of the panel window in the panel font; null when it cannot be made.
  HWND AddControl(const ControlSpec& spec);
  // A bitmap button showing the 'BMPI' resource of that name (none when it cannot be read).
  HWND AddBitmapButton(const ControlSpec& spec, const char* bitmapName);
  // Puts the numeric field into the panel's tab ring; false when the ring refuses it.
  bool AddToTabRing(HWND field) { return tabRing_.Add(field); }
  // Makes the controls of the entries in their order, keeps each in its slot, limits its typing
  // and puts it into the tab ring as the entry says, and appends it to `made` when given; false
  // when one could not be made or the ring refused it.
  bool AddControls(std::span<const ControlEntry> entries, std::vector<HWND>* made = nullptr);
  host::PluginHandle plugin() const { return plugin_; }

 private:
  struct Control {
    HWND window;
    ControlRole role;
    HBITMAP bitmap;  // kBitmapButton only; owned
  };

  host::ErrorCode Build();
  host::ErrorCode CreateFlyout();
  host::ErrorCode CreateHostPanel();
  host::ErrorCode SetSizesOfState(int16_t state);
  host::ErrorCode RegisterCallbacks();
  void ShowVisibilityInMenu();
  void SetIcon();
  host::ErrorCode CreateChildControls();
  host::ErrorCode SubclassWindow();

  // Messages of the panel window; a result when the shell or the panel handled the message.
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void ResizeSeparators(int clientWidth);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  HBRUSH OnButtonColour(HDC dc, HWND control);
  HBRUSH OnStaticColour(HDC dc, HWND control);
  // Redraws the controls lying inside the frame over it.
  void InvalidateFramedControls(HWND frame);
  const Control* Find(HWND control) const;

  static PanelShell* FromHostPanel(host::PanelHandle panel);
  static void OnFlyoutOpening(host::PanelHandle panel);
  static void OnFlyoutCommand(host::PanelHandle panel, uint32_t item);
  static void OnVisibilityChanged(host::PanelHandle panel, bool visible);
  static void OnStateChanged(host::PanelHandle panel, int16_t state);

  host::ErrorCode status_ = host::kNoError;
  host::PluginHandle plugin_;
  host::MenuItemHandle menuItem_;
  const PanelKind& kind_;
  host::PanelHandle panel_ = nullptr;
  host::FlyoutMenuHandle flyout_ = nullptr;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  WNDPROC previousProcedure_ = nullptr;
  std::vector<Control> controls_;
  TabRing tabRing_;
  BrushCache brushes_;
  bool settingsLoaded_ = false;
  bool tornDown_ = false;
};

// The factory of a panel kind; null when out of memory.
template <typename Kind>
std::unique_ptr<frame::Panel> MakePanel(host::PluginHandle plugin, host::MenuItemHandle menuItem) {
  return std::unique_ptr<frame::Panel>(new (std::nothrow) Kind(plugin, menuItem));
}

// The panel window procedure of the panel kind whose objects the property names.
template <const wchar_t* kProperty>
LRESULT CALLBACK PanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PanelShell::HandleMessage(static_cast<PanelShell*>(GetPropW(window, kProperty)), window,
                                   message, wParam, lParam);
}

// Runs the action inside an application context for the plug-in. While the plug-in is unloaded
// it holds no host suites and can make nothing, and without a context the host takes no work:
// then nothing runs.
template <typename Action>
void RunInAppContext(host::PluginHandle plugin, Action&& action) {
  if (host::sContext == nullptr)
    return;
  const frame::AppContext context(plugin);
  if (context.result() != host::kNoError)
    return;
  action();
}

// Replaces the field's selection with the text as typing does, so that the user can undo it, and
// focuses the field.
void InsertAtSelection(HWND field, const wchar_t* text);

// Focuses the control, when there is one.
void FocusIfAny(HWND control);

}  // namespace panels
