// A host for the frame tests: the emulator answers every suite and keeps the balance; this
// wrapper around its suite broker also records what the plug-in asks of the menu, notifier and
// access suites, can refuse chosen suites, and sends messages through PluginMain keeping the
// globals slot between messages as the host does.
#pragma once

#include <string>
#include <vector>

#include "emulator/emulator.h"
#include "frame/plugin_main.h"
#include "host/error.h"
#include "host/handles.h"
#include "host/messages.h"
#include "host/suites.h"

namespace frame_test {

struct RecordedMenuItem {
  std::string group;
  std::string text;  // UTF-8
  host::MenuItemHandle handle;
};

// The plug-in's entry point: linked in, or found in the loaded plug-in file.
using PluginEntry = host::ErrorCode (*)(const char* caller, const char* selector, void* message);

class TestHost {
 public:
  explicit TestHost(PluginEntry entry = &PluginMain);
  ~TestHost();
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  emulator::Emulator& emulator() { return emulator_; }

  // Acquiring the named suite fails with the code.
  void RefuseSuite(const std::string& name, host::ErrorCode code);
  // The code a request for the suite fails with (recording the refusal), or 0.
  host::ErrorCode Refusal(const char* name);

  host::ErrorCode Send(const char* caller, const char* selector);
  host::ErrorCode Startup() { return Send("SP Interface", "Startup"); }
  host::ErrorCode Shutdown() { return Send("SP Interface", "Shutdown"); }
  host::ErrorCode ChooseMenuItem(host::MenuItemHandle item);
  host::ErrorCode Notify(const char* type);

  // The plug-in object the host keeps for the plug-in, or null.
  void* globals() const { return globals_; }
  // The item added with this text, or null.
  host::MenuItemHandle MenuItem(const std::string& text) const;

  std::vector<RecordedMenuItem> menuItems;
  std::vector<std::string> submenuGroups;
  std::vector<std::string> notifierNames;
  std::vector<std::string> notifierTypes;
  int holds = 0;  // requests to keep the plug-in loaded not yet released
  std::vector<std::string> refusedSuites;

  // The emulator's own tables behind the recording ones.
  struct {
    const host::MenuSuite* menu;
    const host::NotifierSuite* notifier;
    const host::AccessSuite* access;
    const host::UnicodeStringSuite* strings;
  } emulatorSuites = {};

 private:
  emulator::Emulator emulator_;
  TestHost* previous_;  // the host current on this thread before this one
  PluginEntry entry_;
  void* globals_ = nullptr;
  host::MessageData Header();
  host::BasicSuite basic_;
  std::vector<std::pair<std::string, host::ErrorCode>> refusals_;
};

}  // namespace frame_test
