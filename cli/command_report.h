// How a subcommand tells why it stopped: one line on standard error after "barquill COMMAND: ",
// and the exit status that goes with it.
#pragma once

#include <string_view>

#include "host/error.h"

namespace cli {

class CommandReport {
 public:
  explicit constexpr CommandReport(std::string_view command) : command_(command) {}

  // A refused option or value: the option's name (when there is one) and the message, then on a
  // line of its own the message in English when it has one.
  int BadInput(std::string_view option, std::string_view message,
               std::string_view english = {}) const;
  // Anything else that stopped the command.
  int Failed(std::string_view what) const;
  int HostFailed(host::ErrorCode error) const;
  // Something the user should know that does not stop the command.
  void Note(std::string_view what) const;
  // A warning about the data that does not stop the command, in Japanese and then in English.
  void Warning(std::string_view japanese, std::string_view english) const;

 private:
  std::string_view command_;
};

}  // namespace cli
