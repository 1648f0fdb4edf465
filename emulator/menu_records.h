// The menu items and submenu groups the plug-in adds to the host's menus.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "emulator/handle_table.h"
#include "host/handles.h"

namespace emulator {

struct MenuItemRecord {
  host::PluginHandle plugin = nullptr;
  std::string keyboardName;  // empty when none was given
  std::string groupName;     // the group the item was added to
  std::string text;          // UTF-8
  uint32_t options = 0;
  bool checked = false;
};

struct MenuGroupRecord {
  std::string name;
  uint32_t options = 0;
  host::MenuItemHandle parentItem = nullptr;  // the item that carries the group as its submenu
};

class MenuRecords {
 public:
  HandleTable<host::MenuItemHandle, MenuItemRecord> items;
  HandleTable<host::MenuGroupHandle, MenuGroupRecord> groups;

  // The host's own groups and the submenu groups added so far.
  bool HasGroup(std::string_view name) const;
  const MenuItemRecord* FindItem(std::string_view text) const;
};

}  // namespace emulator
