// The subcommands of the barquill command. Each lives in its own file (databar_command,
// expanded_command, gs1_128_command, batch_command) and is listed in main.cpp.
//
// What the subcommands share: options (parsing, the text options), length_options (the symbol
// subcommands' length options and their minimums), form_actions (dumping or creating a form's
// symbol), host_session (the stand-in host a subcommand runs on), pixel_module_width (a PNG
// file's module), document_output (writing the document), command_report and command_messages.h
// (what a subcommand tells, in both languages, with its exit status from exit_codes.h), and
// interrupt_cleanup. The batch is in batch_jobs, batch_runner, worker_host, output_capture,
// progress_bar and sheet_layout.
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
