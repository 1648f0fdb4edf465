// The jobs of a batch file: one per line, the subcommand and its arguments separated by tabs, as
// they would follow "barquill" on a command line. Blank lines and lines starting with '#' hold
// no job.
#pragma once

#include <istream>
#include <span>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace cli {

struct BatchJob {
  int line = 0;  // 1-based line number in the batch file
  const Command* command = nullptr;
  std::vector<std::string> arguments;  // after the subcommand's name
  std::string output;                  // the file the job writes, or empty
  std::string refusal;                 // why the job is not run, or empty
};

struct BatchJobOptions {
  std::string directory;  // where the files go: relative output names and the unnamed ones
  bool sheet = false;     // the symbols go on a sheet, so the jobs write no files
};

// One job per line with a job. A job without an output file (and without --dump or --help)
// writes DIRECTORY/LINE.svg; a relative output file is taken inside the directory. A line is
// refused, and not run, for an unknown subcommand, for "batch" itself, and for writing a file
// an earlier line writes.
std::vector<BatchJob> ReadBatchJobs(std::istream& in, std::span<const Command> commands,
                                    const BatchJobOptions& options);

}  // namespace cli
