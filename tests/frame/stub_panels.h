// Panels standing in for the real ones in the frame tests: they record what happens to them and
// can be told to fail construction or to throw while the plug-in builds them.
#pragma once

#include <string>
#include <vector>

#include "frame/panel.h"
#include "frame/plugin.h"

namespace frame_test {

struct PanelLog {
  std::vector<std::string> events;  // "make GS1-128", "toggle GS1-128", "destroy GS1-128", ...
  std::vector<host::MenuItemHandle> menuItems;  // given to each panel made, in order
  std::string failing;                          // the panel whose construction fails
  host::ErrorCode failure = host::kNoError;
  bool throwing = false;  // the failing panel throws ai::Error instead
};

// The log of this thread's stub panels, cleared by each test.
PanelLog& Panels();

// Makes the factory build a plain Plugin instead of the plug-in object with stub panels.
void UsePluginForDispatch(frame::Plugin* (*factory)(host::PluginHandle));

}  // namespace frame_test
