// The host's own check that the plug-in gives back what it takes: once started it holds its
// suites and nothing else, every later action leaves exactly those suites held and no application
// context, block, host string, text-engine object or data filter, and shut-down leaves nothing.
#pragma once

#include <string>

#include "emulator/emulator.h"

namespace emulator {

class BalanceWatch {
 public:
  explicit BalanceWatch(const Emulator& emulator) : emulator_(emulator) {}

  // Takes the suites held after start-up as what every later action must leave.
  void NoteStartup();
  // Empty when the plug-in holds what it should at this point, else what it does not.
  std::string CheckAfterAction() const;
  std::string CheckAfterShutdown() const;

 private:
  const Emulator& emulator_;
  int suitesAfterStartup_ = 0;
};

}  // namespace emulator
