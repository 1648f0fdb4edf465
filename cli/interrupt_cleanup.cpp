#include "cli/interrupt_cleanup.h"

#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "cli/command_messages.h"
#include "emulator/whole_file.h"

namespace cli {

namespace {

sigset_t InterruptSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGHUP);
  return signals;
}

[[noreturn]] void EndBy(int signal) {
  emulator::AbandonTemporaryFiles();
  // A progress bar may hold the terminal's line.
  std::fprintf(stderr, "%sbarquill: %s\nbarquill: %s\n", isatty(STDERR_FILENO) ? "\n" : "",
               kMsgInterrupted.japanese, kMsgInterrupted.english);
  std::fflush(stderr);
  std::signal(signal, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  std::raise(signal);
  std::_Exit(128 + signal);
}

}  // namespace

void WatchForInterrupts() {
  const sigset_t signals = InterruptSignals();
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::thread([signals] {
    int signal = 0;
    if (sigwait(&signals, &signal) == 0)
      EndBy(signal);
  }).detach();
}

}  // namespace cli
