// The stand-in host. An Emulator answers every suite the plug-in acquires, over an in-memory
// document, and counts what must balance (suite acquisitions, blocks, application contexts, host
// strings, text-engine references). It can be told to fail chosen suite operations.
//
// The suite functions are plain C function pointers; they act on the emulator that is current on
// the calling thread (the one most recently constructed there and not yet destroyed), so that
// several emulators can run in parallel on different threads.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/document.h"
#include "host/error.h"
#include "host/geometry.h"
#include "host/suites.h"

namespace emulator {

// The code an injected failure returns unless another is given.
constexpr host::ErrorCode kInjectedError = host::FourCharCode("INJ!");

// What must return to zero after every flow.
struct Balance {
  int suitesHeld = 0;       // acquisitions minus releases, over all suites
  int blocksHeld = 0;       // blocks allocated and not freed
  int contextsHeld = 0;     // application contexts pushed and not popped
  int stringsHeld = 0;      // host Unicode strings not disposed of
  int textObjectsHeld = 0;  // text ranges, character features and text-engine fonts not released
  bool balanced() const {
    return suitesHeld == 0 && blocksHeld == 0 && contextsHeld == 0 && stringsHeld == 0 &&
           textObjectsHeld == 0;
  }
};

class Emulator {
 public:
  Emulator();
  ~Emulator();
  Emulator(const Emulator&) = delete;
  Emulator& operator=(const Emulator&) = delete;

  // The emulator current on this thread, or null.
  static Emulator* Current();

  // The suite broker handed to the plug-in with every message.
  const host::BasicSuite* basic() const;

  // Opens a new empty document (one layer whose first art is a group) whose view 0 is centred
  // at the given point, replacing any open document. Without a document GetCurrentLayer fails.
  Document& NewDocument(host::RealPoint viewCentre = {306.0f, 396.0f});
  void CloseDocument();
  Document* document();

  // Makes the nth call (1-based) of an operation fail with the code; nth 0 fails every call.
  // Operations are named "Suite.Operation" after the declarations in host/suites.h, for example
  // "Art.NewArt", "Blocks.AllocateBlock", "TextFrame.NewPointText".
  void FailCall(std::string_view operation, int nth, host::ErrorCode code = kInjectedError);
  void ClearFailures();
  // How often an operation has been called.
  int CallCount(std::string_view operation) const;

  Balance balance() const;

  // The texts of every message alert shown so far, as UTF-8.
  const std::vector<std::string>& alerts() const;

  // Resources of the plug-in, read through the data filter suite.
  void AddResource(uint32_t type, std::string_view name, std::vector<uint8_t> bytes);

 private:
  struct State;
  std::unique_ptr<State> state_;
  Emulator* previous_;  // the emulator that was current on this thread before this one
};

}  // namespace emulator
