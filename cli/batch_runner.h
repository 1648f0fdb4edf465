// Running the jobs of a batch on worker threads, each with a host of its own, and handing their
// results back in the jobs' order.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <span>

#include "cli/batch_jobs.h"
#include "cli/output_capture.h"
#include "emulator/document.h"

namespace cli {

struct BatchResult {
  int status = 0;         // the subcommand's exit status
  CapturedOutput output;  // what it wrote to standard output and standard error
  std::unique_ptr<emulator::Document> document;  // its symbol, when documents are kept
};

struct BatchRunOptions {
  int threads = 1;
  bool keepDocuments = false;  // keep each symbol for a sheet instead of writing its file
};

// Runs every job; a refused job is not run and fails with its refusal. Calls deliver(index,
// result) on the calling thread for each job in order, as soon as it and the jobs before it are
// done, and progress(done) whenever more jobs are done. The plug-in's suites must be held.
void RunBatchJobs(std::span<const BatchJob> jobs, const BatchRunOptions& options,
                  const std::function<void(size_t index, BatchResult& result)>& deliver,
                  const std::function<void(size_t done)>& progress);

}  // namespace cli
