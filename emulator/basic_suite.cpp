// Suite acquisition by exact name and version, counted per suite.
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

host::ErrorCode AcquireSuite(const char* name, int32_t version, const void** suite) {
  return RunOperation("Basic.AcquireSuite", [&](Emulator::State& state) {
    if (name == nullptr || suite == nullptr)
      return kBadParameter;
    if (const host::ErrorCode injected = state.calls.EnterNamed(AcquisitionOperation(name))) {
      return injected;
    }
    const void* table = FindSuite(name, version);
    if (table == nullptr)
      return kSuiteNotFound;
    ++state.suites[name].acquired;
    *suite = table;
    return host::kNoError;
  });
}

// Releasing a suite that is not held is refused, but still counted, so that the balance shows
// the plug-in's mistake.
host::ErrorCode ReleaseSuite(const char* name, int32_t version) {
  return RunOperation("Basic.ReleaseSuite", [&](Emulator::State& state) {
    if (name == nullptr)
      return kBadParameter;
    if (FindSuite(name, version) == nullptr)
      return kSuiteNotFound;
    SuiteCount& count = state.suites[name];
    ++count.released;
    return count.released > count.acquired ? kBadParameter : host::kNoError;
  });
}

}  // namespace

const host::BasicSuite kBasicSuite = {AcquireSuite, ReleaseSuite};

}  // namespace emulator
