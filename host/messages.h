// The message records the host passes to PluginMain. Every record begins with the common header;
// notifier and menu messages carry more that the frame reads.
#pragma once

#include <cstdint>

#include "host/handles.h"
#include "host/suites.h"

namespace host {

struct MessageData {
  int32_t check = 0;  // not examined
  PluginHandle self = nullptr;
  void* globals = nullptr;  // the host keeps what the plug-in stores here
  const BasicSuite* basic = nullptr;
};

struct NotifierMessage {
  MessageData d;
  NotifierHandle notifier = nullptr;
  const char* type = nullptr;
  void* notifyData = nullptr;
};

struct MenuMessage {
  MessageData d;
  MenuItemHandle menuItem = nullptr;
};

}  // namespace host
