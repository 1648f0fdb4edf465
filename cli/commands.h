// The subcommands of the barquill command. Each lives in its own file and is listed in main.cpp.
#pragma once

#include <span>
#include <string_view>

namespace cli {

struct Command {
  std::string_view name;
  std::string_view summary;
  std::string_view example;
  // Runs with the arguments after the subcommand's name; returns the exit status.
  int (*run)(std::span<const std::string_view> arguments);
};

int RunDataBar(std::span<const std::string_view> arguments);
int RunExpanded(std::span<const std::string_view> arguments);
int RunGs1128(std::span<const std::string_view> arguments);
int RunBatch(std::span<const std::string_view> arguments);

// Every subcommand, as main.cpp lists them.
std::span<const Command> Commands();

}  // namespace cli
