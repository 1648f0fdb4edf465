#include "cli/command_report.h"

#include <iostream>
#include <string>
#include <utility>

#include "cli/exit_codes.h"

namespace cli {

panels::MessageLines FromPanel(std::string_view japanese, std::string_view english) {
  if (!english.empty())
    return {std::string(japanese), std::string(english)};
  return {std::string(japanese), panels::EnglishFor(japanese).value_or("")};
}

void CommandReport::Print(std::string_view label, const panels::MessageLines& message) const {
  for (const std::string* text : {&message.japanese, &message.english}) {
    if (text->empty())
      continue;
    std::cerr << "barquill " << command_ << ": ";
    if (!label.empty())
      std::cerr << label << ": ";
    std::cerr << *text << "\n";
  }
}

int CommandReport::BadInput(std::string_view option, const panels::MessageLines& message) const {
  Print(option, message);
  return kExitBadInput;
}

int CommandReport::BadInput(std::string_view option, const Message& message,
                            std::initializer_list<std::string_view> values) const {
  return BadInput(option, panels::BothLanguages(message, values));
}

int CommandReport::Refused(std::string_view option, std::string_view japanese,
                           std::string_view english) const {
  return BadInput(option, FromPanel(japanese, english));
}

std::optional<int> ReadArguments(const CommandReport& report,
                                 std::span<const std::string_view> arguments,
                                 std::span<const OptionDefinition> definitions, void (*printHelp)(),
                                 ParsedOptions& options) {
  ParseResult parsed = ParseOptions(arguments, definitions);
  if (parsed.error)
    return report.Unusable(*parsed.error);
  options = std::move(parsed.options);
  if (options.has("help")) {
    printHelp();
    return kExitOk;
  }
  return std::nullopt;
}

int CommandReport::Unusable(const panels::MessageLines& message) const {
  const panels::MessageLines help = panels::BothLanguages(kMsgSeeHelp, {command_});
  return BadInput("", {message.japanese + help.japanese, message.english + " " + help.english});
}

int CommandReport::Failed(const panels::MessageLines& message) const {
  Print("", message);
  return kExitFailure;
}

int CommandReport::Failed(const Message& message,
                          std::initializer_list<std::string_view> values) const {
  return Failed(panels::BothLanguages(message, values));
}

int CommandReport::HostFailed(host::ErrorCode error) const {
  return Failed(kMsgHostFailed, {std::to_string(error)});
}

void CommandReport::Note(const panels::MessageLines& message) const {
  Print("note", message);
}

void CommandReport::Warn(const panels::MessageLines& message) const {
  Print("warning", message);
}

void CommandReport::Tell(const panels::MessageLines& message) const {
  Print("", message);
}

}  // namespace cli
