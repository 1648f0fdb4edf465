#include "emulator/win32/plugin_host.h"

#include <vector>

#include "emulator/handle_table.h"
#include "emulator/win32/plugin_resources.h"

namespace emulator {

namespace {

constexpr char kAppStartedNotifier[] = "AI Application Started Notifier";
constexpr char kAppShutdownNotifier[] = "AI Application Shutdown Notifier";

host::MessageData& HeaderOf(host::MessageData& message) {
  return message;
}
host::MessageData& HeaderOf(host::MenuMessage& message) {
  return message.d;
}
host::MessageData& HeaderOf(host::NotifierMessage& message) {
  return message.d;
}

}  // namespace

PluginHost::PluginHost(Emulator& emulator) : emulator_(emulator) {}

PluginHost::~PluginHost() {
  if (module_ != nullptr)
    FreeLibrary(module_);
}

std::string PluginHost::Load(const std::wstring& path) {
  module_ = LoadLibraryW(path.c_str());
  if (module_ == nullptr)
    return "cannot load the plug-in (error " + std::to_string(GetLastError()) + ")";
  entry_ = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module_, "PluginMain")));
  if (entry_ == nullptr)
    return "the plug-in has no PluginMain";
  AddPluginResources(module_, emulator_);
  return {};
}

// The plug-in's host reference is the address of this object.
host::MessageData PluginHost::Header() const {
  return {0, reinterpret_cast<host::PluginHandle>(const_cast<PluginHost*>(this)), globals_,
          emulator_.basic()};
}

template <typename Message>
host::ErrorCode PluginHost::Deliver(const char* caller, const char* selector, Message& message) {
  if (entry_ == nullptr)
    return host::kNoError;
  const host::ErrorCode result = entry_(caller, selector, &message);
  globals_ = HeaderOf(message).globals;
  return result;
}

host::ErrorCode PluginHost::Send(const char* caller, const char* selector) {
  host::MessageData message = Header();
  return Deliver(caller, selector, message);
}

host::ErrorCode PluginHost::Startup() {
  const host::ErrorCode result = Send("SP Interface", "Startup");
  if (result != host::kNoError)
    return result;
  return Notify(kAppStartedNotifier);
}

host::ErrorCode PluginHost::Shutdown() {
  const host::ErrorCode notified = Notify(kAppShutdownNotifier);
  const host::ErrorCode result = Send("SP Interface", "Shutdown");
  return notified != host::kNoError ? notified : result;
}

host::ErrorCode PluginHost::ChooseMenuItem(host::MenuItemHandle item) {
  host::MenuMessage message{Header(), item};
  return Deliver("AI Menu", "AI Go", message);
}

host::ErrorCode PluginHost::Notify(const char* type) {
  // The plug-in may register more notifiers while it is told; only those present now are told.
  std::vector<host::NotifierHandle> notifiers;
  for (const auto& record : emulator_.framework().notifiers.records()) {
    if (record->type == type)
      notifiers.push_back(
          HandleTable<host::NotifierHandle, NotifierRecord>::HandleOf(record.get()));
  }
  host::ErrorCode result = host::kNoError;
  for (host::NotifierHandle notifier : notifiers) {
    host::NotifierMessage message{Header(), notifier, type, nullptr};
    const host::ErrorCode error = Deliver("AI Notifier", "AI Notify", message);
    if (result == host::kNoError)
      result = error;
  }
  return result;
}

}  // namespace emulator
