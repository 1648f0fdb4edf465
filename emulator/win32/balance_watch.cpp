#include "emulator/win32/balance_watch.h"

namespace emulator {

namespace {

void Report(std::string& report, const char* what, int held) {
  if (held == 0)
    return;
  if (!report.empty())
    report += ", ";
  report += std::to_string(held) + " " + what;
}

// What no action may keep.
std::string TransientHoldings(const Balance& balance) {
  std::string report;
  Report(report, "application contexts", balance.contextsHeld);
  Report(report, "blocks", balance.blocksHeld);
  Report(report, "host strings", balance.stringsHeld);
  Report(report, "text-engine objects", balance.textObjectsHeld);
  Report(report, "data filters", balance.filtersHeld);
  return report;
}

std::string Held(const std::string& report) {
  return report.empty() ? report : "still held: " + report;
}

}  // namespace

void BalanceWatch::NoteStartup() {
  suitesAfterStartup_ = emulator_.balance().suitesHeld;
}

std::string BalanceWatch::CheckAfterAction() const {
  const Balance balance = emulator_.balance();
  std::string report = TransientHoldings(balance);
  Report(report, "suite acquisitions more than after start-up",
         balance.suitesHeld - suitesAfterStartup_);
  return Held(report);
}

std::string BalanceWatch::CheckAfterShutdown() const {
  const Balance balance = emulator_.balance();
  std::string report = TransientHoldings(balance);
  Report(report, "suite acquisitions", balance.suitesHeld);
  return Held(report);
}

}  // namespace emulator
