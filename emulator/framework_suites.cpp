// The framework suites: plug-in name, load holds, notifiers and application contexts. The
// emulator only keeps the records; tests read them back.
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

host::ErrorCode AcquirePlugin(host::PluginHandle plugin, host::AccessHandle* access) {
  return RunOperation("Access.AcquirePlugin", [&](Emulator::State& state) {
    if (access == nullptr)
      return kBadParameter;
    *access = state.framework.accessHolds.Add(std::make_unique<AccessRecord>(AccessRecord{plugin}));
    return host::kNoError;
  });
}

host::ErrorCode ReleasePlugin(host::AccessHandle access) {
  return RunOperation("Access.ReleasePlugin", [&](Emulator::State& state) {
    return state.framework.accessHolds.Remove(access) ? host::kNoError : kBadHandle;
  });
}

host::ErrorCode SetPluginName(host::PluginHandle /*plugin*/, const char* name) {
  return RunOperation("Plugins.SetPluginName", [&](Emulator::State& state) {
    if (name == nullptr)
      return kBadParameter;
    state.framework.pluginName = name;
    return host::kNoError;
  });
}

host::ErrorCode AddNotifier(host::PluginHandle plugin, const char* name, const char* type,
                            host::NotifierHandle* notifier) {
  return RunOperation("Notifier.AddNotifier", [&](Emulator::State& state) {
    if (name == nullptr || type == nullptr)
      return kBadParameter;
    const host::NotifierHandle handle = state.framework.notifiers.Add(
        std::make_unique<NotifierRecord>(NotifierRecord{plugin, name, type}));
    if (notifier != nullptr)
      *notifier = handle;
    return host::kNoError;
  });
}

host::ErrorCode PushAppContext(host::PluginHandle plugin, host::AppContextHandle* context) {
  return RunOperation("Context.PushAppContext", [&](Emulator::State& state) {
    if (context == nullptr)
      return kBadParameter;
    *context = state.framework.contexts.Add(std::make_unique<ContextRecord>(ContextRecord{plugin}));
    return host::kNoError;
  });
}

// Contexts nest: only the innermost one can be popped.
host::ErrorCode PopAppContext(host::AppContextHandle context) {
  return RunOperation("Context.PopAppContext", [&](Emulator::State& state) {
    auto& contexts = state.framework.contexts;
    if (contexts.Find(context) == nullptr)
      return kBadHandle;
    if (contexts.HandleOf(contexts.records().back().get()) != context)
      return kContextOrder;
    contexts.Remove(context);
    return host::kNoError;
  });
}

}  // namespace

const host::AccessSuite kAccessSuite = {AcquirePlugin, ReleasePlugin};
const host::PluginsSuite kPluginsSuite = {SetPluginName};
const host::NotifierSuite kNotifierSuite = {AddNotifier};
const host::ContextSuite kContextSuite = {PushAppContext, PopAppContext};

}  // namespace emulator
