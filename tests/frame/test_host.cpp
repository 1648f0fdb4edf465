#include "tests/frame/test_host.h"

#include <cstring>

#include "host/messages.h"
#include "host/utf.h"

namespace frame_test {

namespace {

// The host the suite functions below record into: the most recent one on this thread.
thread_local TestHost* current = nullptr;

// One of the emulator's suites; the function tables stay valid while the emulator lives.
template <typename Suite>
const Suite* EmulatorSuite(const host::BasicSuite* basic) {
  const void* suite = nullptr;
  basic->AcquireSuite(Suite::kName, Suite::kVersion, &suite);
  basic->ReleaseSuite(Suite::kName, Suite::kVersion);
  return static_cast<const Suite*>(suite);
}

std::string Text(host::UnicodeStringHandle string) {
  const char16_t* units = nullptr;
  int32_t length = 0;
  if (current->emulatorSuites.strings->GetUtf16(string, &units, &length) != host::kNoError)
    return "?";
  return host::Utf16ToUtf8(std::u16string_view(units, length));
}

host::ErrorCode AddMenuItem(host::PluginHandle plugin, const char* keyboardName,
                            const host::MenuItemData* data, uint32_t options,
                            host::MenuItemHandle* item) {
  const host::ErrorCode error =
      current->emulatorSuites.menu->AddMenuItem(plugin, keyboardName, data, options, item);
  if (error == host::kNoError) {
    current->menuItems.push_back({data->groupName, Text(data->itemText), *item});
  }
  return error;
}

host::ErrorCode AddMenuGroupAsSubMenu(const char* group, uint32_t options,
                                      host::MenuItemHandle item, host::MenuGroupHandle* handle) {
  const host::ErrorCode error =
      current->emulatorSuites.menu->AddMenuGroupAsSubMenu(group, options, item, handle);
  if (error == host::kNoError)
    current->submenuGroups.push_back(group);
  return error;
}

host::ErrorCode CheckItem(host::MenuItemHandle item, bool checked) {
  return current->emulatorSuites.menu->CheckItem(item, checked);
}

host::ErrorCode AddNotifier(host::PluginHandle plugin, const char* name, const char* type,
                            host::NotifierHandle* notifier) {
  const host::ErrorCode error =
      current->emulatorSuites.notifier->AddNotifier(plugin, name, type, notifier);
  if (error == host::kNoError) {
    current->notifierNames.push_back(name);
    current->notifierTypes.push_back(type);
  }
  return error;
}

host::ErrorCode AcquirePlugin(host::PluginHandle plugin, host::AccessHandle* access) {
  const host::ErrorCode error = current->emulatorSuites.access->AcquirePlugin(plugin, access);
  if (error == host::kNoError)
    ++current->holds;
  return error;
}

host::ErrorCode ReleasePlugin(host::AccessHandle access) {
  const host::ErrorCode error = current->emulatorSuites.access->ReleasePlugin(access);
  if (error == host::kNoError)
    --current->holds;
  return error;
}

const host::MenuSuite kMenu{AddMenuItem, AddMenuGroupAsSubMenu, CheckItem};
const host::NotifierSuite kNotifier{AddNotifier};
const host::AccessSuite kAccess{AcquirePlugin, ReleasePlugin};

host::ErrorCode AcquireSuite(const char* name, int32_t version, const void** suite) {
  if (const host::ErrorCode refusal = current->Refusal(name))
    return refusal;
  const host::ErrorCode error = current->emulator().basic()->AcquireSuite(name, version, suite);
  if (error != host::kNoError)
    return error;
  if (std::strcmp(name, host::MenuSuite::kName) == 0)
    *suite = &kMenu;
  if (std::strcmp(name, host::NotifierSuite::kName) == 0)
    *suite = &kNotifier;
  if (std::strcmp(name, host::AccessSuite::kName) == 0)
    *suite = &kAccess;
  return host::kNoError;
}

host::ErrorCode ReleaseSuite(const char* name, int32_t version) {
  return current->emulator().basic()->ReleaseSuite(name, version);
}

}  // namespace

TestHost::TestHost(PluginEntry entry) : entry_(entry), basic_{AcquireSuite, ReleaseSuite} {
  previous_ = current;
  current = this;
  const host::BasicSuite* basic = emulator_.basic();
  emulatorSuites = {
      EmulatorSuite<host::MenuSuite>(basic), EmulatorSuite<host::NotifierSuite>(basic),
      EmulatorSuite<host::AccessSuite>(basic), EmulatorSuite<host::UnicodeStringSuite>(basic)};
}

TestHost::~TestHost() {
  if (globals_ != nullptr)
    Shutdown();
  current = previous_;
}

void TestHost::RefuseSuite(const std::string& name, host::ErrorCode code) {
  refusals_.emplace_back(name, code);
}

host::ErrorCode TestHost::Refusal(const char* name) {
  for (const auto& [refused, code] : refusals_) {
    if (refused == name) {
      refusedSuites.push_back(name);
      return code;
    }
  }
  return host::kNoError;
}

// The plug-in's host reference is any value the host recognises; the host object's address is.
host::MessageData TestHost::Header() {
  return {0, reinterpret_cast<host::PluginHandle>(this), globals_, &basic_};
}

host::ErrorCode TestHost::Send(const char* caller, const char* selector) {
  host::MessageData message = Header();
  const host::ErrorCode result = entry_(caller, selector, &message);
  globals_ = message.globals;
  return result;
}

host::ErrorCode TestHost::ChooseMenuItem(host::MenuItemHandle item) {
  host::MenuMessage message{Header(), item};
  const host::ErrorCode result = entry_("AI Menu", "AI Go", &message);
  globals_ = message.d.globals;
  return result;
}

host::ErrorCode TestHost::Notify(const char* type) {
  host::NotifierMessage message{Header(), nullptr, type, nullptr};
  const host::ErrorCode result = entry_("AI Notifier", "AI Notify", &message);
  globals_ = message.d.globals;
  return result;
}

host::MenuItemHandle TestHost::MenuItem(const std::string& text) const {
  for (const RecordedMenuItem& item : menuItems) {
    if (item.text == text)
      return item.handle;
  }
  return nullptr;
}

}  // namespace frame_test
