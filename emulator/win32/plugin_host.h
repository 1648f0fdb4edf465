// The plug-in file loaded as the host loads it: LoadLibrary, its resources handed to the
// emulator's data filter suite, and its PluginMain called with the host's message records,
// keeping the globals slot between messages as the host does.
#pragma once

#include <windows.h>

#include <string>

#include "emulator/emulator.h"
#include "host/error.h"
#include "host/handles.h"
#include "host/messages.h"

namespace emulator {

class PluginHost {
 public:
  explicit PluginHost(Emulator& emulator);
  // Frees the plug-in file; shut the plug-in down before.
  ~PluginHost();
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  // Loads the plug-in file and finds PluginMain; an empty text on success, else what failed.
  std::string Load(const std::wstring& path);

  // The start-up message, then (when it succeeded) the application-started notification.
  host::ErrorCode Startup();
  // The application shut-down notification, then the shut-down message.
  host::ErrorCode Shutdown();
  host::ErrorCode ChooseMenuItem(host::MenuItemHandle item);
  // Delivers a notification of the type to every notifier the plug-in registered for it.
  host::ErrorCode Notify(const char* type);
  host::ErrorCode Unload() { return Send("SP Access", "Unload"); }
  host::ErrorCode Reload() { return Send("SP Access", "Reload"); }
  host::ErrorCode Send(const char* caller, const char* selector);

  // Between a successful start-up and the shut-down message.
  bool running() const { return globals_ != nullptr; }

 private:
  using Entry = host::ErrorCode (*)(const char* caller, const char* selector, void* message);

  host::MessageData Header() const;
  template <typename Message>
  host::ErrorCode Deliver(const char* caller, const char* selector, Message& message);

  Emulator& emulator_;
  HMODULE module_ = nullptr;
  Entry entry_ = nullptr;
  void* globals_ = nullptr;
};

}  // namespace emulator
