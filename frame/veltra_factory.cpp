// The plug-in's object as the product builds it.
#include "frame/plugin_factory.h"
#include "frame/veltra_plugin.h"
#include "panels/win32/databar_panel.h"
#include "panels/win32/expanded_panel.h"
#include "panels/win32/medical128_panel.h"

namespace frame {

namespace {

// The three panels, in menu order.
constexpr PanelFactories kProductPanels{&panels::MakeMedical128Panel, &panels::MakeDataBarPanel,
                                        &panels::MakeExpandedPanel};

}  // namespace

Plugin* CreatePlugin(host::PluginHandle self) {
  return new (std::nothrow) VeltraPlugin(self, kProductPanels);
}

void FixUpPlugin(Plugin* plugin) {
  VeltraPlugin::FixUp(plugin);
}

}  // namespace frame
