// The host's menu bar as a real Win32 menu: the host's own File menu, and the Window menu holding
// the items plug-ins add to its "Window Utilities" group, with the submenus they add under their
// items and the check marks they set.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "emulator/menu_records.h"
#include "host/handles.h"

namespace emulator {

// The host's own commands.
enum HostCommand : UINT {
  kNewDocumentCommand = 100,
  kCloseDocumentCommand,
  kSaveSvgCommand,
  kExitCommand,
};

class MenuBar {
 public:
  static constexpr UINT kFirstPluginCommand = 1000;

  // A new menu bar from the plug-ins' items; the window it is set on owns it.
  HMENU Build(const MenuRecords& records);
  // Sets every plug-in item's check mark as the plug-in last set it.
  void RefreshChecks(const MenuRecords& records) const;

  // The plug-in item a command stands for, or null.
  host::MenuItemHandle ItemOf(UINT command) const;
  // The command of the plug-in item with that text, or 0.
  UINT CommandOf(const MenuRecords& records, std::string_view text) const;
  HMENU handle() const { return bar_; }

 private:
  HMENU GroupMenu(const MenuRecords& records, std::string_view group, int depth);

  HMENU bar_ = nullptr;
  std::vector<host::MenuItemHandle> items_;  // by command, from kFirstPluginCommand
};

}  // namespace emulator
