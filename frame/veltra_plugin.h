// The plug-in's object: adds the "Barquill" submenu to the host's Window menu with one item per
// panel, builds the three panels at start-up, toggles a panel when its item is chosen and tears
// the panels down when the host shuts down.
#pragma once

#include <array>
#include <memory>

#include "frame/panel.h"
#include "frame/plugin.h"

namespace frame {

class VeltraPlugin : public Plugin {
 public:
  VeltraPlugin(host::PluginHandle self, const PanelFactories& factories);
  ~VeltraPlugin() override;

  host::ErrorCode OnStartup(host::MessageData* message) override;
  host::ErrorCode OnShutdown(host::MessageData* message) override;
  host::ErrorCode OnNotify(host::NotifierMessage* message) override;
  host::ErrorCode OnMenuGo(host::MenuMessage* message) override;

  // The reload fix-up: rebuilds the object's dispatch table in place after the host reloaded
  // the plug-in's code, keeping the values of all its fields.
  static void FixUp(Plugin* plugin);

 private:
  struct PanelSlot {
    const char* itemText;  // UTF-8
    PanelFactory factory;  // null when this build has no such panel
    host::MenuItemHandle menuItem = nullptr;
    std::unique_ptr<Panel> panel = nullptr;
  };

  VeltraPlugin(VeltraPlugin&& other) noexcept = default;

  // Adds "Barquill" to the host's Window menu with the submenu group that takes the panel items.
  host::ErrorCode AddMenus();
  host::ErrorCode AddPanel(PanelSlot& slot);
  void DestroyPanels();
  // Lets go of the panels without tearing them down, for when the host's suites are gone.
  void AbandonPanels();

  // GS1-128, GS1 DataBar, GS1 DataBar Expanded: the order of the menu and of tear-down.
  std::array<PanelSlot, 3> panels_;
};

}  // namespace frame
