// How a subcommand tells why it stopped, or what the user should know: each message on standard
// error after "barquill COMMAND: ", first in Japanese, then on the next line in English, and the
// exit status that goes with it.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "cli/command_messages.h"
#include "cli/options.h"
#include "host/error.h"
#include "panels/messages.h"

namespace cli {

class CommandReport {
 public:
  explicit constexpr CommandReport(std::string_view command) : command_(command) {}

  // A refused option or value: the option's name (when there is one) and the message.
  int BadInput(std::string_view option, const panels::MessageLines& message) const;
  int BadInput(std::string_view option, const Message& message,
               std::initializer_list<std::string_view> values = {}) const;
  // A refusal a panel's form gave: its English text where the form gave one (the GS1 data
  // checks' messages), else the one of the panels' catalogue.
  int Refused(std::string_view option, std::string_view japanese,
              std::string_view english = {}) const;
  // An argument the command cannot read, with a pointer to the command's help.
  int Unusable(const panels::MessageLines& message) const;
  // Anything else that stopped the command.
  int Failed(const panels::MessageLines& message) const;
  int Failed(const Message& message, std::initializer_list<std::string_view> values = {}) const;
  int HostFailed(host::ErrorCode error) const;
  // Something the user should know that does not stop the command.
  void Note(const panels::MessageLines& message) const;
  void Warn(const panels::MessageLines& message) const;
  // What the command did.
  void Tell(const panels::MessageLines& message) const;

 private:
  void Print(std::string_view label, const panels::MessageLines& message) const;

  std::string_view command_;
};

// Reads a subcommand's arguments against its options into `options`: the exit status to end
// with when they cannot be read, or when --help asked for the help, which printHelp prints; else
// nothing.
std::optional<int> ReadArguments(const CommandReport& report,
                                 std::span<const std::string_view> arguments,
                                 std::span<const OptionDefinition> definitions, void (*printHelp)(),
                                 ParsedOptions& options);

// A message that a panel's form gave in Japanese, with its English text: the one given, else the
// catalogue's, blanks filled; where neither is, the Japanese stands alone.
panels::MessageLines FromPanel(std::string_view japanese, std::string_view english = {});

}  // namespace cli
