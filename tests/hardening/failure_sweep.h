// The host-failure sweep: a flow is run once as it is, then once for every call it makes to a
// suite operation, with exactly that call failing. Every run must end without an exception
// escaping, with everything taken from the host given back, and with the art left consistent:
// what a run reports as created is what the undisturbed run drew, and a run that reports a
// failure leaves a beginning of that art, every piece of it whole.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "emulator/emulator.h"

namespace hardening {

// How one run of a flow ended.
struct FlowEnding {
  bool created = false;     // the flow reports that it made what it was asked for
  std::string description;  // the outcome, for the report
};

// One run of a flow in a fresh stand-in host.
class FlowRun {
 public:
  virtual ~FlowRun() = default;
  virtual emulator::Emulator& emulator() = 0;
  // The part of the flow whose host calls are made to fail.
  virtual FlowEnding Run() = 0;
  // Gives back what the run's preparation took from the host, so that the balance can be read.
  virtual void Finish() = 0;
  // What else is wrong after Finish, described, or an empty text.
  virtual std::string Fault() { return {}; }
};

using FlowFactory = std::function<std::unique_ptr<FlowRun>()>;

struct SweepReport {
  int injected = 0;                 // runs with one call made to fail
  int failed = 0;                   // of those, the runs whose flow reported a failure
  int escapes = 0;                  // exceptions that left the flow
  int leaks = 0;                    // runs that kept something of the host's
  int brokenArt = 0;                // runs that left art inconsistent
  std::vector<std::string> faults;  // every finding, described
};

// Sweeps every operation the flow calls except the math suites', which cannot fail.
SweepReport Sweep(const std::string& name, const FlowFactory& makeRun);

// Prints the report's counts under the flow's name and adds a test failure for each of its first
// findings and one for the rest.
void ReportSweep(const std::string& name, const SweepReport& report);

}  // namespace hardening
