// What the plug-in registers with the host's framework suites: its name, notifiers, load holds,
// application contexts, and the alerts it shows.
#pragma once

#include <string>
#include <vector>

#include "emulator/handle_table.h"
#include "host/error.h"
#include "host/handles.h"

namespace emulator {

struct NotifierRecord {
  host::PluginHandle plugin = nullptr;
  std::string name;
  std::string type;
};

struct AccessRecord {
  host::PluginHandle plugin = nullptr;
};

struct ContextRecord {
  host::PluginHandle plugin = nullptr;
};

struct FrameworkRecords {
  std::string pluginName;
  HandleTable<host::NotifierHandle, NotifierRecord> notifiers;
  HandleTable<host::AccessHandle, AccessRecord> accessHolds;
  HandleTable<host::AppContextHandle, ContextRecord> contexts;  // innermost last
  std::vector<std::string> alerts;                              // message alert texts, UTF-8
  std::vector<host::ErrorCode> errorAlerts;                     // codes handed to the error alert
};

}  // namespace emulator
