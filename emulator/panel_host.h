// The host panels and flyout menus the plug-in creates, and the host's side of their life: the
// shown flag and state with the plug-in's callbacks delivered as the host delivers them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "emulator/handle_table.h"
#include "host/error.h"
#include "host/geometry.h"
#include "host/handles.h"
#include "host/suites.h"

namespace emulator {

struct FlyoutItem {
  uint32_t id = 0;
  std::string text;  // UTF-8
};

struct FlyoutMenuRecord {
  std::vector<FlyoutItem> items;
  FlyoutItem* Find(uint32_t id);
};

struct PanelSizes {
  host::Size minimum;
  host::Size preferred;
  host::Size constrained;
  host::Size maximum;
};

struct PanelCallbacks {
  host::PanelFlyoutPreVisibilityProc flyoutOpening = nullptr;
  host::PanelFlyoutCommandProc flyoutCommand = nullptr;
  host::PanelVisibilityChangedProc visibilityChanged = nullptr;
  host::PanelStateChangedProc stateChanged = nullptr;
};

struct PanelRecord {
  host::PluginHandle plugin = nullptr;
  std::string id;     // UTF-8
  std::string title;  // UTF-8
  int16_t stateCount = 1;
  host::Size minimumSize;
  bool resizable = false;
  host::FlyoutMenuHandle flyout = nullptr;
  void* userData = nullptr;
  host::PlatformWindow window = nullptr;
  bool shown = false;
  int16_t state = 1;
  PanelSizes sizes;
  std::vector<uint8_t> icon;  // PNG bytes
  PanelCallbacks callbacks;
};

// Makes the platform windows of host panels. Natively a panel has no window; a windowed build of
// the emulator installs a factory that gives each panel a real top-level window.
class PanelWindows {
 public:
  virtual ~PanelWindows() = default;
  virtual host::PlatformWindow Create(const PanelRecord& /*panel*/) { return nullptr; }
  virtual void Show(host::PlatformWindow /*window*/, bool /*show*/) {}
  // The panel's preferred size changed.
  virtual void Resize(host::PlatformWindow /*window*/, host::Size /*size*/) {}
  virtual void Destroy(host::PlatformWindow /*window*/) {}
};

class PanelHost {
 public:
  PanelHost();
  ~PanelHost();
  PanelHost(const PanelHost&) = delete;
  PanelHost& operator=(const PanelHost&) = delete;

  HandleTable<host::PanelHandle, PanelRecord> panels;
  HandleTable<host::FlyoutMenuHandle, FlyoutMenuRecord> flyouts;

  // Adds the panel and makes its platform window.
  host::PanelHandle Create(std::unique_ptr<PanelRecord> panel);
  // Destroys the panel's window and the panel; false for an unknown panel.
  bool Destroy(host::PanelHandle panel);

  // Shows or hides the panel; when its visibility changes the visibility callback learns it.
  host::ErrorCode Show(host::PanelHandle panel, bool show);
  // Records the sizes; the panel's window takes the preferred one.
  host::ErrorCode SetSizes(host::PanelHandle panel, const PanelSizes& sizes);
  // Sets the state (1 to the panel's state count) and calls the state-changed callback.
  host::ErrorCode SetState(host::PanelHandle panel, int16_t state);
  // The user opens the flyout menu, then chooses one of its items.
  host::ErrorCode OpenFlyout(host::PanelHandle panel);
  host::ErrorCode ChooseFlyoutItem(host::PanelHandle panel, uint32_t item);

  // Installs the window factory; panels created before keep the windows they have.
  void SetWindows(std::unique_ptr<PanelWindows> windows);
  // Exceptions thrown by the plug-in's callbacks; a real host would not survive them.
  int escapedExceptions() const { return escapedExceptions_; }

 private:
  template <typename Call>
  void Deliver(Call&& call);

  std::unique_ptr<PanelWindows> windows_;
  int escapedExceptions_ = 0;
};

}  // namespace emulator
