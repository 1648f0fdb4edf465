#include "frame/veltra_plugin.h"

#include <new>
#include <string_view>
#include <utility>

#include "host/suite_pointers.h"
#include "host/unicode_string.h"

namespace frame {

namespace {

constexpr const char* kWindowMenuGroup = "Window Utilities";
constexpr const char* kBarquillGroup = "BarquillGroup";

host::ErrorCode AddMenuItem(host::PluginHandle plugin, const char* group, const char* utf8Text,
                            host::MenuItemHandle* item) {
  const ai::UnicodeString text(utf8Text);
  const host::MenuItemData data{group, text.handle()};
  return host::sMenu->AddMenuItem(plugin, nullptr, &data, 0, item);
}

}  // namespace

VeltraPlugin::VeltraPlugin(host::PluginHandle self, const PanelFactories& factories)
    : Plugin(self),
      panels_{{{"医療用GS1-128", factories.medical128},
               {"GS1DataBar", factories.dataBar},
               {"GS1DataBar Expanded", factories.expanded}}} {
  SetName("Barquill");
}

// After a failed start-up the panels made before the failure are still here.
VeltraPlugin::~VeltraPlugin() {
  DestroyPanels();
}

void VeltraPlugin::FixUp(Plugin* plugin) {
  auto* stale = static_cast<VeltraPlugin*>(plugin);
  VeltraPlugin fields(std::move(*stale));
  new (stale) VeltraPlugin(std::move(fields));
}

host::ErrorCode VeltraPlugin::OnStartup(host::MessageData* message) {
  host::ErrorCode result = Plugin::OnStartup(message);
  if (result == host::kNoError) {
    result =
        host::sNotifier->AddNotifier(self(), kAppShutdownNotifier, kAppShutdownNotifier, nullptr);
  }
  if (result == host::kNoError)
    result = AddMenus();
  for (PanelSlot& slot : panels_) {
    if (result == host::kNoError)
      result = AddPanel(slot);
  }
  return result;
}

host::ErrorCode VeltraPlugin::AddMenus() {
  host::MenuItemHandle barquillItem = nullptr;
  const host::ErrorCode result = AddMenuItem(self(), kWindowMenuGroup, "Barquill", &barquillItem);
  if (result != host::kNoError)
    return result;
  // A failure here shows as the failure to add the first item to the group.
  host::MenuGroupHandle group = nullptr;
  host::sMenu->AddMenuGroupAsSubMenu(kBarquillGroup, 0, barquillItem, &group);
  return host::kNoError;
}

host::ErrorCode VeltraPlugin::AddPanel(PanelSlot& slot) {
  const host::ErrorCode result = AddMenuItem(self(), kBarquillGroup, slot.itemText, &slot.menuItem);
  if (result != host::kNoError || slot.factory == nullptr)
    return result;
  slot.panel = slot.factory(self(), slot.menuItem);
  if (slot.panel == nullptr)
    return host::kOutOfMemory;
  return slot.panel->status();
}

host::ErrorCode VeltraPlugin::OnMenuGo(host::MenuMessage* message) {
  for (PanelSlot& slot : panels_) {
    if (slot.menuItem != nullptr && slot.menuItem == message->menuItem) {
      if (slot.panel != nullptr)
        slot.panel->Toggle();
      break;
    }
  }
  return host::kNoError;
}

host::ErrorCode VeltraPlugin::OnNotify(host::NotifierMessage* message) {
  if (message->type != nullptr && std::string_view(message->type) == kAppShutdownNotifier) {
    DestroyPanels();
  }
  return host::kNoError;
}

// Besides the panels, gives up the suites and the hold on the host acquired at start-up.
host::ErrorCode VeltraPlugin::OnShutdown(host::MessageData* message) {
  if (!HasSuites()) {
    // Unloaded: tearing the panels down and giving up the hold need the host's suites again.
    const host::ErrorCode result = AcquireSuites();
    if (result != host::kNoError) {
      AbandonPanels();
      return result;
    }
  }
  DestroyPanels();
  return Plugin::OnShutdown(message);
}

void VeltraPlugin::DestroyPanels() {
  for (PanelSlot& slot : panels_)
    slot.panel.reset();
}

void VeltraPlugin::AbandonPanels() {
  for (PanelSlot& slot : panels_)
    static_cast<void>(slot.panel.release());
}

}  // namespace frame
