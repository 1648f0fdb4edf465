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
#include "emulator/framework_records.h"
#include "emulator/menu_records.h"
#include "emulator/panel_host.h"
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
  int filtersHeld = 0;      // data filters opened on resources and not closed
  bool balanced() const {
    return suitesHeld == 0 && blocksHeld == 0 && contextsHeld == 0 && stringsHeld == 0 &&
           textObjectsHeld == 0 && filtersHeld == 0;
  }
};

// How often one suite was acquired and released.
struct SuiteCount {
  int acquired = 0;
  int released = 0;
};

class Emulator {
 public:
  Emulator();
  ~Emulator();
  Emulator(const Emulator&) = delete;
  Emulator& operator=(const Emulator&) = delete;

  // The emulator current on this thread, or null. Every suite call asks, so it is inline.
  static Emulator* Current() { return current_; }

  // The suite broker handed to the plug-in with every message.
  const host::BasicSuite* basic() const;

  // Opens a new empty document (one layer whose first art is a group) whose view 0 is centred
  // at the given point, replacing any open document. Without a document GetCurrentLayer fails.
  Document& NewDocument(host::RealPoint viewCentre = {306.0f, 396.0f});
  void CloseDocument();
  Document* document();
  // Hands the open document over to the caller, leaving none open.
  std::unique_ptr<Document> TakeDocument();

  // Makes the nth call (1-based) of an operation fail with the code; nth 0 fails every call.
  // Operations are named "Suite.Operation" after the declarations in host/suites.h (the struct
  // name without "Suite"), for example "Art.NewArt", "Blocks.AllocateBlock",
  // "TextFrame.NewPointText", "TextEngineFont.Release". The math suites cannot fail; their calls
  // are only counted.
  void FailCall(std::string_view operation, int nth, host::ErrorCode code = kInjectedError);
  void ClearFailures();
  // Makes the nth acquisition (1-based; 0 every one) of the named suite fail with the code.
  void FailAcquire(std::string_view suiteName, int nth, host::ErrorCode code = kInjectedError);
  // How often an operation has been called.
  int CallCount(std::string_view operation) const;
  // Every operation called so far, in name order, acquisitions of single suites included.
  std::vector<std::string> CalledOperations() const;

  Balance balance() const;
  SuiteCount suiteCount(std::string_view suiteName) const;

  // The texts of every message alert shown so far, as UTF-8.
  const std::vector<std::string>& alerts() const;
  // The codes handed to the error alert so far.
  const std::vector<host::ErrorCode>& errorAlerts() const;

  // What the plug-in registered: its name, notifiers, load holds, contexts.
  const FrameworkRecords& framework() const;
  const MenuRecords& menus() const;
  const PanelHost& panels() const;

  // What the user does to a host panel, delivered to the plug-in's callbacks as the host does.
  host::ErrorCode SetPanelState(host::PanelHandle panel, int16_t state);
  host::ErrorCode SetPanelShown(host::PanelHandle panel, bool shown);
  host::ErrorCode OpenFlyoutMenu(host::PanelHandle panel);
  host::ErrorCode ChooseFlyoutItem(host::PanelHandle panel, uint32_t item);
  // Gives host panels platform windows (natively they have none).
  void SetPanelWindows(std::unique_ptr<PanelWindows> windows);

  // Resources of the plug-in, read through the data filter suite.
  void AddResource(uint32_t type, std::string_view name, std::vector<uint8_t> bytes);

  // For the suite implementations.
  struct State;
  State& state() { return *state_; }

 private:
  static inline thread_local Emulator* current_ = nullptr;
  std::unique_ptr<State> state_;
  Emulator* previous_;  // the emulator that was current on this thread before this one
};

}  // namespace emulator
