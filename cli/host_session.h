// The stand-in host a subcommand runs the plug-in's code on: an emulator with one new document
// whose view is centred at the given point, and the plug-in's suites held as between the
// plug-in's start-up and shut-down. On a batch's worker thread (see worker_host.h) the session
// opens its document on the worker's emulator and uses the suites the batch holds.
#pragma once

#include <optional>
#include <string>

#include "emulator/emulator.h"
#include "host/error.h"
#include "host/suite_acquisition.h"
#include "host/suite_pointers.h"

namespace cli {

class HostSession {
 public:
  explicit HostSession(host::RealPoint viewCentre = {306.0f, 396.0f});
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // 0, or the host's code when a suite could not be acquired.
  host::ErrorCode status() const { return status_; }
  emulator::Emulator& emulator() { return *emulator_; }
  emulator::Document& document() { return *emulator_->document(); }

  // Runs the action inside an application context, as a panel's create button does. Returns
  // the host's code when the context cannot be pushed, else 0.
  template <typename Action>
  host::ErrorCode InAppContext(Action action) {
    host::AppContextHandle context = nullptr;
    if (const host::ErrorCode error = host::sContext->PushAppContext(nullptr, &context);
        error != host::kNoError) {
      return error;
    }
    action();
    return host::sContext->PopAppContext(context);
  }

  // Releases the suites and checks that everything the plug-in's code took from the host was
  // given back. Returns what is left held, or an empty text when all is balanced.
  std::string Close();

 private:
  std::optional<emulator::Emulator> ownEmulator_;  // outside a batch's worker thread
  emulator::Emulator* emulator_;
  std::optional<host::ScopedSuites> suites_;
  host::ErrorCode status_ = host::kNoError;
};

}  // namespace cli
