#include "cli/worker_host.h"

namespace cli {

namespace {

thread_local WorkerHost* tCurrent = nullptr;

}  // namespace

WorkerHost::WorkerHost(bool keepDocuments) : keepDocuments_(keepDocuments), previous_(tCurrent) {
  tCurrent = this;
}

WorkerHost::~WorkerHost() {
  tCurrent = previous_;
}

WorkerHost* WorkerHost::Current() {
  return tCurrent;
}

void WorkerHost::KeepDocument(const emulator::Document& document) {
  if (emulator_.document() == &document)
    kept_ = emulator_.TakeDocument();
}

}  // namespace cli
