// Menu items, submenu groups and check marks.
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"
#include "host/utf.h"

namespace emulator {

namespace {

// Items go into a host group or a submenu group added before them.
host::ErrorCode AddMenuItem(host::PluginHandle plugin, const char* keyboardName,
                            const host::MenuItemData* data, uint32_t options,
                            host::MenuItemHandle* item) {
  return RunOperation("Menu.AddMenuItem", [&](Emulator::State& state) {
    if (data == nullptr || data->groupName == nullptr || item == nullptr)
      return kBadParameter;
    const std::u16string* text = state.strings.Find(data->itemText);
    if (text == nullptr)
      return kBadHandle;
    if (!state.menus.HasGroup(data->groupName))
      return kNotFound;
    auto record = std::make_unique<MenuItemRecord>();
    record->plugin = plugin;
    record->keyboardName = keyboardName != nullptr ? keyboardName : "";
    record->groupName = data->groupName;
    record->text = host::Utf16ToUtf8(*text);
    record->options = options;
    *item = state.menus.items.Add(std::move(record));
    return host::kNoError;
  });
}

host::ErrorCode AddMenuGroupAsSubMenu(const char* groupName, uint32_t options,
                                      host::MenuItemHandle item, host::MenuGroupHandle* group) {
  return RunOperation("Menu.AddMenuGroupAsSubMenu", [&](Emulator::State& state) {
    if (groupName == nullptr || group == nullptr)
      return kBadParameter;
    if (state.menus.items.Find(item) == nullptr)
      return kBadHandle;
    *group = state.menus.groups.Add(
        std::make_unique<MenuGroupRecord>(MenuGroupRecord{groupName, options, item}));
    return host::kNoError;
  });
}

host::ErrorCode CheckItem(host::MenuItemHandle item, bool checked) {
  return RunOperation("Menu.CheckItem", [&](Emulator::State& state) {
    MenuItemRecord* record = state.menus.items.Find(item);
    if (record == nullptr)
      return kBadHandle;
    record->checked = checked;
    return host::kNoError;
  });
}

}  // namespace

const host::MenuSuite kMenuSuite = {AddMenuItem, AddMenuGroupAsSubMenu, CheckItem};

}  // namespace emulator
