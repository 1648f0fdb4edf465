// The jobs of a batch file: one per line, the subcommand and its arguments separated by tabs, as
// they would follow "barquill" on a command line. Blank lines and lines starting with '#' hold
// no job; a byte order mark at the start of the file is skipped.
#pragma once

#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "panels/messages.h"

namespace cli {

struct BatchJob {
  int line = 0;  // 1-based line number in the batch file
  const Command* command = nullptr;
  // The arguments after the subcommand's name, each ended by a tab (tabs separate the fields of
  // a line, so none holds one): one string per job, so that a batch of many jobs stays small.
  std::string arguments;
  std::string output;                           // the file the job writes, or empty
  std::optional<panels::MessageLines> refusal;  // why the job is not run

  // The arguments, as the subcommand takes them.
  std::vector<std::string_view> Arguments() const;
};

struct BatchJobOptions {
  std::string directory;  // where the files go: relative output names and the unnamed ones
  bool sheet = false;     // the symbols go on a sheet, so the jobs write no files
};

// One job per line with a job. A job without an output file (and without --dump or --help)
// writes DIRECTORY/LINE.svg; its own output file is taken inside the directory. A line is
// refused, and not run, for an unknown subcommand, for "batch" itself, for an output that could
// leave the directory (an absolute path, or one with a ".." part) or is standard output, and for
// writing a file an earlier line writes.
std::vector<BatchJob> ReadBatchJobs(std::istream& in, std::span<const Command> commands,
                                    const BatchJobOptions& options);

}  // namespace cli
