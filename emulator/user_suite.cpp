// Alerts: the emulator records what the plug-in would show to the user.
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"
#include "host/utf.h"

namespace emulator {

namespace {

host::ErrorCode MessageAlert(host::UnicodeStringHandle text) {
  return RunOperation("User.MessageAlert", [&](Emulator::State& state) {
    const std::u16string* string = state.strings.Find(text);
    if (string == nullptr)
      return kBadHandle;
    state.framework.alerts.push_back(host::Utf16ToUtf8(*string));
    return host::kNoError;
  });
}

host::ErrorCode ErrorAlert(host::ErrorCode error) {
  return RunOperation("User.ErrorAlert", [&](Emulator::State& state) {
    state.framework.errorAlerts.push_back(error);
    return host::kNoError;
  });
}

}  // namespace

const host::UserSuite kUserSuite = {MessageAlert, ErrorAlert};

}  // namespace emulator
