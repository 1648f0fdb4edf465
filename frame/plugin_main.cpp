#include "frame/plugin_main.h"

#include <cstring>
#include <new>

#include "frame/plugin.h"
#include "frame/plugin_factory.h"
#include "host/ai_error.h"
#include "host/messages.h"
#include "host/suite_pointers.h"

namespace frame {

namespace {

bool Is(const char* text, const char* expected) {
  return std::strcmp(text, expected) == 0;
}

// Runs one operation of the plug-in object; an exception becomes a host error code, since none
// may reach the host.
template <typename Operation>
host::ErrorCode Guarded(Operation&& operation) noexcept {
  try {
    return operation();
  } catch (const ai::Error& error) {
    return error.code();
  } catch (const std::bad_alloc&) {
    return host::kOutOfMemory;
  } catch (...) {
    return kUnexpectedError;
  }
}

void Destroy(Plugin*& plugin, host::MessageData* message) {
  delete plugin;
  plugin = nullptr;
  message->globals = nullptr;
}

host::ErrorCode Startup(Plugin*& plugin, host::MessageData* message) {
  plugin = CreatePlugin(message->self);
  if (plugin == nullptr)
    return host::kOutOfMemory;
  message->globals = plugin;
  const host::ErrorCode result = Guarded([&] { return plugin->OnStartup(message); });
  if (result != host::kNoError)
    Destroy(plugin, message);
  return result;
}

host::ErrorCode Shutdown(Plugin*& plugin, host::MessageData* message) {
  if (plugin == nullptr)
    return host::kNoError;
  const host::ErrorCode result = Guarded([&] { return plugin->OnShutdown(message); });
  Destroy(plugin, message);
  return result;
}

// Every other message. While unloaded (no suites held) only reload is handled.
host::ErrorCode Deliver(Plugin& plugin, const char* caller, const char* selector,
                        host::MessageData* message) {
  if (Is(caller, "SP Access") && Is(selector, "Reload")) {
    FixUpPlugin(&plugin);
    return Guarded([&] { return plugin.OnReload(message); });
  }
  if (!plugin.HasSuites())
    return host::kNoError;
  return Guarded([&] { return plugin.Dispatch(caller, selector, message); });
}

host::ErrorCode HandleMessage(const char* caller, const char* selector,
                              host::MessageData* message) {
  host::sBasic = message->basic;
  auto* plugin = static_cast<Plugin*>(message->globals);
  host::ErrorCode result = host::kNoError;
  if (Is(caller, "SP Interface") && Is(selector, "Startup")) {
    result = Startup(plugin, message);
  } else if (Is(caller, "SP Interface") && Is(selector, "Shutdown")) {
    result = Shutdown(plugin, message);
  } else if (plugin != nullptr) {
    result = Deliver(*plugin, caller, selector, message);
  }
  if (result == host::kUnhandledMessage)
    result = host::kNoError;
  if (result != host::kNoError) {
    if (plugin != nullptr) {
      Guarded([&] {
        plugin->ShowError(result, caller, selector, message);
        return host::kNoError;
      });
    } else {
      Plugin::ReportError(result, message->self);
    }
  }
  return result;
}

}  // namespace

}  // namespace frame

extern "C" host::ErrorCode PluginMain(const char* caller, const char* selector, void* message) {
  if (caller == nullptr || selector == nullptr || message == nullptr)
    return host::kNoError;
  return frame::HandleMessage(caller, selector, static_cast<host::MessageData*>(message));
}
