// The frame of every suite function that can fail: find the emulator current on this thread,
// count the call, apply an injected failure (which then has no effect at all), and keep anything
// thrown inside the emulator from escaping into the plug-in.
#pragma once

#include <new>
#include <string_view>

#include "emulator/emulator_state.h"
#include "emulator/errors.h"

namespace emulator {

template <typename Body>
host::ErrorCode RunOperation(OperationName operation, Body&& body) {
  Emulator* emulator = Emulator::Current();
  if (emulator == nullptr)
    return kNoEmulator;
  Emulator::State& state = emulator->state();
  if (const host::ErrorCode injected = state.calls.Enter(operation))
    return injected;
  try {
    return body(state);
  } catch (const std::bad_alloc&) {
    return host::kOutOfMemory;
  }
}

// The art behind a handle of the open document, or null (also when no document is open).
inline Art* FindArt(Emulator::State& state, host::ArtHandle handle) {
  return state.document ? state.document->Find(handle) : nullptr;
}

}  // namespace emulator
