// The plug-in's object as the product builds it.
#include "frame/plugin_factory.h"
#include "frame/veltra_plugin.h"

namespace frame {

namespace {

// The three panels, in menu order.
constexpr PanelFactories kProductPanels{&MakeMedical128Panel, &MakeDataBarPanel,
                                        &MakeExpandedPanel};

}  // namespace

Plugin* CreatePlugin(host::PluginHandle self) {
  return new (std::nothrow) VeltraPlugin(self, kProductPanels);
}

void FixUpPlugin(Plugin* plugin) {
  VeltraPlugin::FixUp(plugin);
}

}  // namespace frame
