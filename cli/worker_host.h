// The host of one worker thread of `barquill batch`.
//
// The plug-in's suite pointers are process-wide, so a batch acquires the suites once, before its
// workers start, and releases them after they end. The suites act on the emulator current on the
// calling thread, so each worker runs its jobs on an emulator of its own: documents, counts and
// fonts are never shared between threads. While a WorkerHost exists on a thread, the HostSessions
// made there use its emulator and leave the suites alone; when the batch lays the symbols out on
// a sheet, the document a job writes is kept for it instead of written.
#pragma once

#include <memory>

#include "emulator/document.h"
#include "emulator/emulator.h"

namespace cli {

class WorkerHost {
 public:
  explicit WorkerHost(bool keepDocuments);
  ~WorkerHost();
  WorkerHost(const WorkerHost&) = delete;
  WorkerHost& operator=(const WorkerHost&) = delete;

  // The worker host of the calling thread, or null.
  static WorkerHost* Current();

  emulator::Emulator& emulator() { return emulator_; }
  bool keepsDocuments() const { return keepDocuments_; }

  // Keeps the document, which must be the emulator's open one, for the sheet.
  void KeepDocument(const emulator::Document& document);
  // The document kept since the last call, or null.
  std::unique_ptr<emulator::Document> TakeKeptDocument() { return std::move(kept_); }

 private:
  emulator::Emulator emulator_;
  bool keepDocuments_;
  std::unique_ptr<emulator::Document> kept_;
  WorkerHost* previous_;
};

}  // namespace cli
