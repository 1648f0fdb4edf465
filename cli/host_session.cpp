#include "cli/host_session.h"

#include "cli/worker_host.h"

namespace cli {

HostSession::HostSession(host::RealPoint viewCentre) {
  if (WorkerHost* worker = WorkerHost::Current()) {
    emulator_ = &worker->emulator();
    emulator_->NewDocument(viewCentre);
    return;
  }
  emulator_ = &ownEmulator_.emplace();
  emulator_->NewDocument(viewCentre);
  suites_.emplace(emulator_->basic());
  status_ = suites_->result();
}

std::string HostSession::Close() {
  suites_.reset();
  const emulator::Balance balance = emulator_->balance();
  if (balance.balanced())
    return {};
  return "host resources left held: " + std::to_string(balance.suitesHeld) + " suites, " +
         std::to_string(balance.blocksHeld) + " blocks, " + std::to_string(balance.contextsHeld) +
         " contexts, " + std::to_string(balance.stringsHeld) + " strings, " +
         std::to_string(balance.textObjectsHeld) + " text objects";
}

}  // namespace cli
