#include "emulator/menu_records.h"

#include <algorithm>
#include <array>

namespace emulator {

namespace {

// The host menu groups plug-ins add their items to.
constexpr std::array<std::string_view, 1> kHostGroups = {"Window Utilities"};

}  // namespace

bool MenuRecords::HasGroup(std::string_view name) const {
  if (std::find(kHostGroups.begin(), kHostGroups.end(), name) != kHostGroups.end())
    return true;
  return std::any_of(groups.records().begin(), groups.records().end(),
                     [&](const auto& group) { return group->name == name; });
}

const MenuItemRecord* MenuRecords::FindItem(std::string_view text) const {
  for (const auto& item : items.records()) {
    if (item->text == text)
      return item.get();
  }
  return nullptr;
}

}  // namespace emulator
