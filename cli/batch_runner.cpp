#include "cli/batch_runner.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <iostream>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/exit_codes.h"
#include "cli/worker_host.h"

namespace cli {

namespace {

constexpr std::chrono::milliseconds kTakeInterval(50);

// Results as the workers finish them, taken by the calling thread in job order. The calling
// thread takes every result that is there in one go, a few times a second, and is woken early
// only by the last one: waking it for each result would take a core from the workers as often.
class ResultBoard {
 public:
  explicit ResultBoard(size_t count) : results_(count) {}

  void Post(size_t index, BatchResult result) {
    bool last = false;
    {
      std::lock_guard lock(mutex_);
      results_[index] = std::move(result);
      last = ++done_ == results_.size();
    }
    if (last)
      changed_.notify_one();
  }

  // The result at `index` if it is there, else waits until every job is done or a while has
  // passed, and returns it if it is there then.
  std::optional<BatchResult> Take(size_t index, size_t& done) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, kTakeInterval,
                      [&] { return results_[index].has_value() || done_ == results_.size(); });
    done = done_;
    std::optional<BatchResult> result = std::move(results_[index]);
    results_[index].reset();
    return result;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::optional<BatchResult>> results_;
  size_t done_ = 0;
};

BatchResult RunJob(const BatchJob& job, WorkerHost& host) {
  BatchResult result;
  if (job.refusal) {
    result.status = kExitBadInput;
    result.output.err = job.refusal->japanese + "\n" + job.refusal->english + "\n";
    return result;
  }
  const std::vector<std::string_view> arguments = job.Arguments();
  {
    ScopedCapture capture(result.output);
    result.status = job.command->run(arguments);
  }
  std::unique_ptr<emulator::Document> kept = host.TakeKeptDocument();
  if (result.status == kExitOk)
    result.document = std::move(kept);
  return result;
}

// Runs the job. A job that throws fails with the reason, and the host is made afresh, since the
// job may have left its emulator in any state.
BatchResult RunGuarded(const BatchJob& job, std::optional<WorkerHost>& host, bool keepDocuments) {
  try {
    return RunJob(job, *host);
  } catch (const std::exception& error) {
    BatchResult result;
    result.status = kExitFailure;
    result.output.err = std::string("internal error: ") + error.what() + "\n";
    host.reset();
    host.emplace(keepDocuments);
    return result;
  }
}

// Takes jobs until none is left.
void Work(std::span<const BatchJob> jobs, std::atomic<size_t>& next, bool keepDocuments,
          ResultBoard& board) {
  std::optional<WorkerHost> host;
  host.emplace(keepDocuments);
  for (size_t index = next++; index < jobs.size(); index = next++)
    board.Post(index, RunGuarded(jobs[index], host, keepDocuments));
}

// With one thread the jobs run on the calling thread, each delivered as soon as it is done: a
// worker would cost a thread's start, a memory arena of its own and a hand-over per job, while
// the calling thread only waited. Progress is reported as often as the workers' results are
// taken.
void RunInTurn(std::span<const BatchJob> jobs, bool keepDocuments,
               const std::function<void(size_t index, BatchResult& result)>& deliver,
               const std::function<void(size_t done)>& progress) {
  std::optional<WorkerHost> host;
  host.emplace(keepDocuments);
  auto reported = std::chrono::steady_clock::now();
  for (size_t index = 0; index < jobs.size(); ++index) {
    BatchResult result = RunGuarded(jobs[index], host, keepDocuments);
    const auto now = std::chrono::steady_clock::now();
    if (index + 1 == jobs.size() || now - reported >= kTakeInterval) {
      reported = now;
      progress(index + 1);
    }
    deliver(index, result);
  }
}

}  // namespace

void RunBatchJobs(std::span<const BatchJob> jobs, const BatchRunOptions& options,
                  const std::function<void(size_t index, BatchResult& result)>& deliver,
                  const std::function<void(size_t done)>& progress) {
  const size_t threads =
      std::min<size_t>(std::max(options.threads, 1), std::max<size_t>(jobs.size(), 1));
  if (threads == 1) {
    RunInTurn(jobs, options.keepDocuments, deliver, progress);
    return;
  }
  ResultBoard board(jobs.size());
  std::atomic<size_t> next = 0;
  std::vector<std::jthread> workers;
  for (size_t t = 0; t < threads; ++t) {
    workers.emplace_back([&] { Work(jobs, next, options.keepDocuments, board); });
  }
  size_t reported = 0;
  for (size_t index = 0; index < jobs.size();) {
    size_t done = 0;
    std::optional<BatchResult> result = board.Take(index, done);
    if (done != reported) {
      reported = done;
      progress(done);
    }
    if (result) {
      deliver(index, *result);
      ++index;
    }
  }
}

}  // namespace cli
