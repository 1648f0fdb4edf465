// barquill: draws GS1 barcodes into a document of the stand-in host and writes it as a file.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_codes.h"

namespace {

constexpr cli::Command kCommands[] = {
    {"databar", "GS1 DataBar Omnidirectional, Truncated, Stacked, Stacked Omnidirectional, Limited",
     cli::RunDataBar},
    {"expanded", "GS1 DataBar Expanded and Expanded Stacked", cli::RunExpanded},
    {"gs1-128", "GS1-128 for medical products: (01), (17), (30), (10)", cli::RunGs1128},
    {"batch", "many symbols from a file of jobs, one per line, on every core", cli::RunBatch},
};

void PrintUsage(std::ostream& out) {
  out << "usage: barquill COMMAND [OPTIONS]\n\ncommands:\n";
  for (const cli::Command& command : kCommands) {
    out << "  " << command.name << std::string(12 - command.name.size(), ' ') << command.summary
        << "\n";
  }
  out << "\n'barquill COMMAND --help' describes a command's options.\n";
}

}  // namespace

std::span<const cli::Command> cli::Commands() {
  return kCommands;
}

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (arguments.empty()) {
    PrintUsage(std::cerr);
    return cli::kExitBadInput;
  }
  if (arguments[0] == "--help" || arguments[0] == "-h") {
    PrintUsage(std::cout);
    return cli::kExitOk;
  }
  for (const cli::Command& command : kCommands) {
    if (arguments[0] == command.name) {
      return command.run(std::span(arguments).subspan(1));
    }
  }
  std::cerr << "barquill: unknown command " << arguments[0] << "\n";
  PrintUsage(std::cerr);
  return cli::kExitBadInput;
}
