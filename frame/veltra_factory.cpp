// The plug-in's object as the product builds it.
#include "frame/plugin_factory.h"
#include "frame/veltra_plugin.h"
#include "panels/win32/medical128_panel.h"

namespace frame {

namespace {

// The panels join here as they are built; until then their menu items toggle nothing.
constexpr PanelFactories kProductPanels{&panels::MakeMedical128Panel, nullptr, nullptr};

}  // namespace

Plugin* CreatePlugin(host::PluginHandle self) {
  return new (std::nothrow) VeltraPlugin(self, kProductPanels);
}

void FixUpPlugin(Plugin* plugin) {
  VeltraPlugin::FixUp(plugin);
}

}  // namespace frame
