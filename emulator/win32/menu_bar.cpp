#include "emulator/win32/menu_bar.h"

#include <string>

#include "emulator/handle_table.h"
#include "host/utf.h"

namespace emulator {

namespace {

constexpr char kWindowGroup[] = "Window Utilities";
constexpr int kDeepestSubmenu = 4;

using ItemTable = HandleTable<host::MenuItemHandle, MenuItemRecord>;

std::wstring Wide(std::string_view text) {
  const std::u16string units = host::Utf8ToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

// The submenu group an item carries, or null.
const MenuGroupRecord* SubmenuOf(const MenuRecords& records, host::MenuItemHandle item) {
  for (const auto& group : records.groups.records()) {
    if (group->parentItem == item)
      return group.get();
  }
  return nullptr;
}

HMENU FileMenu() {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kNewDocumentCommand, L"&New document");
  AppendMenuW(menu, MF_STRING, kCloseDocumentCommand, L"&Close document");
  AppendMenuW(menu, MF_STRING, kSaveSvgCommand, L"&Save as SVG...");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kExitCommand, L"E&xit");
  return menu;
}

}  // namespace

HMENU MenuBar::Build(const MenuRecords& records) {
  items_.clear();
  bar_ = CreateMenu();
  AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(FileMenu()), L"&File");
  AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(GroupMenu(records, kWindowGroup, 0)),
              L"&Window");
  RefreshChecks(records);
  return bar_;
}

HMENU MenuBar::GroupMenu(const MenuRecords& records, std::string_view group, int depth) {
  HMENU menu = CreatePopupMenu();
  for (const auto& item : records.items.records()) {
    if (item->groupName != group)
      continue;
    const host::MenuItemHandle handle = ItemTable::HandleOf(item.get());
    const MenuGroupRecord* submenu = SubmenuOf(records, handle);
    const std::wstring text = Wide(item->text);
    if (submenu != nullptr && depth < kDeepestSubmenu) {
      AppendMenuW(menu, MF_POPUP,
                  reinterpret_cast<UINT_PTR>(GroupMenu(records, submenu->name, depth + 1)),
                  text.c_str());
    } else {
      AppendMenuW(menu, MF_STRING, kFirstPluginCommand + items_.size(), text.c_str());
      items_.push_back(handle);
    }
  }
  return menu;
}

void MenuBar::RefreshChecks(const MenuRecords& records) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    const MenuItemRecord* item = records.items.Find(items_[i]);
    const UINT state = item != nullptr && item->checked ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(bar_, kFirstPluginCommand + i, MF_BYCOMMAND | state);
  }
}

host::MenuItemHandle MenuBar::ItemOf(UINT command) const {
  if (command < kFirstPluginCommand || command - kFirstPluginCommand >= items_.size())
    return nullptr;
  return items_[command - kFirstPluginCommand];
}

UINT MenuBar::CommandOf(const MenuRecords& records, std::string_view text) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    const MenuItemRecord* item = records.items.Find(items_[i]);
    if (item != nullptr && item->text == text)
      return kFirstPluginCommand + i;
  }
  return 0;
}

}  // namespace emulator
