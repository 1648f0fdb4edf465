// The stand-in host of one fuzzer run: a fresh emulator with an open document and the plug-in's
// suites held, as during a create action. When the run ends the suites are released and
// everything the run took from the host must have been given back.
#pragma once

#include <optional>

#include "emulator/emulator.h"
#include "fuzz/check.h"
#include "host/suite_acquisition.h"

namespace fuzz {

class HostRun {
 public:
  HostRun() {
    emulator_.NewDocument();
    suites_.emplace(emulator_.basic());
    FUZZ_CHECK(suites_->result() == host::kNoError);
  }
  ~HostRun() {
    suites_.reset();
    FUZZ_CHECK(emulator_.balance().balanced());
  }
  HostRun(const HostRun&) = delete;
  HostRun& operator=(const HostRun&) = delete;

  emulator::Emulator& emulator() { return emulator_; }
  emulator::Document& document() { return *emulator_.document(); }

 private:
  emulator::Emulator emulator_;
  std::optional<host::ScopedSuites> suites_;
};

}  // namespace fuzz
