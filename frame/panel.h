// What the plug-in object needs of each of its panels: the panel is built when constructed and
// reports how that went, it shows or hides itself when its menu item is chosen, and it tears
// itself down (host panel, controls, flyout menu) when destroyed.
#pragma once

#include <memory>

#include "host/error.h"
#include "host/handles.h"

namespace frame {

class Panel {
 public:
  virtual ~Panel() = default;
  // 0 when construction succeeded, else the code of the host call that failed.
  virtual host::ErrorCode status() const = 0;
  // Hides the panel when it is shown, shows it otherwise.
  virtual void Toggle() = 0;
};

// Builds a panel for the plug-in, given the menu item that toggles it; null when out of memory.
using PanelFactory = std::unique_ptr<Panel> (*)(host::PluginHandle plugin,
                                                host::MenuItemHandle menuItem);

// The factories of the three panels, in menu order.
struct PanelFactories {
  PanelFactory medical128;
  PanelFactory dataBar;
  PanelFactory expanded;
};

}  // namespace frame
