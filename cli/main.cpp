// barquill: draws GS1 barcodes into a document of the stand-in host and writes it as a file.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/command_messages.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/interrupt_cleanup.h"

namespace {

constexpr cli::Command kCommands[] = {
    {"databar", "GS1 DataBar Omnidirectional, Truncated, Stacked, Stacked Omnidirectional, Limited",
     "barquill databar --type stacked --code 2001234567890 --cc \"(17)991231(10)LOT1\" -o s.svg",
     cli::RunDataBar},
    {"expanded", "GS1 DataBar Expanded and Expanded Stacked",
     "barquill expanded --code \"(01)98898765432106(3202)012345\" --segments 4 -o e.pdf",
     cli::RunExpanded},
    {"gs1-128", "GS1-128 for medical products: (01), (17), (30), (10)",
     "barquill gs1-128 --gtin 1234567890123 --expiry 011231 --lot LOT1001 -o m.png",
     cli::RunGs1128},
    {"batch", "many symbols from a file of jobs, one per line, on every core",
     "barquill batch jobs.tsv -o out/ --jobs 2", cli::RunBatch},
};

void PrintUsage(std::ostream& out) {
  out << "usage: barquill COMMAND [OPTIONS]\n       barquill --help | --version\n\ncommands:\n";
  for (const cli::Command& command : kCommands) {
    out << "  " << command.name << std::string(12 - command.name.size(), ' ') << command.summary
        << "\n"
        << std::string(14, ' ') << "e.g. " << command.example << "\n";
  }
  out << "\nMessages are printed in Japanese, each followed by the same in English.\n";
}

// The usage, then every command's own help with its options, each with an example.
void PrintFullHelp() {
  PrintUsage(std::cout);
  const std::string_view help[] = {"--help"};
  for (const cli::Command& command : kCommands) {
    std::cout << "\n" << std::string(100, '-') << "\n";
    command.run(std::span<const std::string_view>(help));
  }
}

}  // namespace

std::span<const cli::Command> cli::Commands() {
  return kCommands;
}

int main(int argc, char** argv) {
  cli::WatchForInterrupts();
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (arguments.empty()) {
    PrintUsage(std::cerr);
    return cli::kExitBadInput;
  }
  if (arguments[0] == "--help" || arguments[0] == "-h") {
    PrintFullHelp();
    return cli::kExitOk;
  }
  if (arguments[0] == "--version") {
    std::cout << "barquill " << BARQUILL_VERSION << "\n";
    return cli::kExitOk;
  }
  for (const cli::Command& command : kCommands) {
    if (arguments[0] == command.name) {
      return command.run(std::span(arguments).subspan(1));
    }
  }
  const panels::MessageLines unknown =
      panels::BothLanguages(cli::kMsgUnknownCommand, {arguments[0]});
  std::cerr << "barquill: " << unknown.japanese << "\nbarquill: " << unknown.english << "\n";
  PrintUsage(std::cerr);
  return cli::kExitBadInput;
}
