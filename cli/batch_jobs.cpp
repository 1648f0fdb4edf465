#include "cli/batch_jobs.h"

#include <filesystem>
#include <unordered_map>

#include "cli/command_messages.h"

namespace cli {

namespace {

// As a Windows editor puts it at the start of a UTF-8 file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
    fields.emplace_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

bool HoldsJob(std::string_view line) {
  const size_t first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line[first] != '#';
}

bool Has(const std::vector<std::string>& arguments, std::string_view argument) {
  for (const std::string& a : arguments) {
    if (a == argument)
      return true;
  }
  return false;
}

// The value of the output option ("-o FILE", "--output FILE" or "--output=FILE"), or null. The
// inline form is split in two so that the value can be rewritten.
std::string* FindOutput(std::vector<std::string>& arguments) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i].starts_with("--output=")) {
      std::string value = arguments[i].substr(9);
      arguments[i] = "-o";
      arguments.insert(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(value));
      return &arguments[i + 1];
    }
    if ((arguments[i] == "-o" || arguments[i] == "--output") && i + 1 < arguments.size())
      return &arguments[i + 1];
  }
  return nullptr;
}

const Command* FindCommand(std::string_view name, std::span<const Command> commands) {
  for (const Command& command : commands) {
    if (command.name == name)
      return &command;
  }
  return nullptr;
}

std::string InDirectory(const std::string& directory, const std::string& file) {
  if (directory.empty())
    return file;
  return (std::filesystem::path(directory) / file).string();
}

// A job file may come from anywhere: its outputs must stay inside the output directory.
bool StaysInside(const std::string& file) {
  const std::filesystem::path path(file);
  if (path.has_root_path())
    return false;
  for (const std::filesystem::path& part : path) {
    if (part == "..")
      return false;
  }
  return true;
}

// Names the file the job writes, adding one named after the line when it names none.
void ChooseOutput(BatchJob& job, std::vector<std::string>& arguments,
                  const BatchJobOptions& options) {
  if (Has(arguments, "--dump") || Has(arguments, "--help") || Has(arguments, "-h"))
    return;
  std::string* output = FindOutput(arguments);
  if (output != nullptr && *output == "-") {
    job.refusal = panels::BothLanguages(kMsgBatchStandardOutput, {});
    return;
  }
  if (output != nullptr && !StaysInside(*output)) {
    job.refusal = panels::BothLanguages(kMsgBatchOutsideDirectory, {*output});
    return;
  }
  if (output == nullptr) {
    arguments.push_back("-o");
    arguments.push_back(std::to_string(job.line) + ".svg");
    output = &arguments.back();
  }
  *output = InDirectory(options.directory, *output);
  if (!options.sheet)
    job.output = *output;
}

std::string Joined(const std::vector<std::string>& arguments) {
  std::string joined;
  for (const std::string& argument : arguments) {
    joined += argument;
    joined += '\t';
  }
  return joined;
}

BatchJob ReadJob(int line, std::string_view text, std::span<const Command> commands,
                 const BatchJobOptions& options) {
  BatchJob job;
  job.line = line;
  std::vector<std::string> arguments = SplitFields(text);
  const std::string name = std::move(arguments.front());
  arguments.erase(arguments.begin());
  if (name == "batch") {
    job.refusal = panels::BothLanguages(kMsgBatchRunsBatch, {});
  } else if (job.command = FindCommand(name, commands); job.command == nullptr) {
    job.refusal = panels::BothLanguages(kMsgUnknownCommand, {name});
  } else {
    ChooseOutput(job, arguments, options);
  }
  job.arguments = Joined(arguments);
  return job;
}

}  // namespace

std::vector<BatchJob> ReadBatchJobs(std::istream& in, std::span<const Command> commands,
                                    const BatchJobOptions& options) {
  std::vector<BatchJob> jobs;
  // Output file, normalised, -> the line that writes it.
  std::unordered_map<std::string, int> writers;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    if (line == 1 && text.starts_with(kByteOrderMark))
      text.erase(0, kByteOrderMark.size());
    if (!text.empty() && text.back() == '\r')
      text.pop_back();
    if (!HoldsJob(text))
      continue;
    BatchJob job = ReadJob(line, text, commands, options);
    if (!job.output.empty() && !job.refusal) {
      const auto [writer, first] =
          writers.emplace(std::filesystem::path(job.output).lexically_normal().string(), line);
      if (!first) {
        job.refusal = panels::BothLanguages(kMsgBatchWritesTwice,
                                            {job.output, std::to_string(writer->second)});
      }
    }
    jobs.push_back(std::move(job));
  }
  return jobs;
}

std::vector<std::string_view> BatchJob::Arguments() const {
  std::vector<std::string_view> split;
  const std::string_view all = arguments;
  for (size_t start = 0, tab; (tab = all.find('\t', start)) != std::string_view::npos;
       start = tab + 1)
    split.push_back(all.substr(start, tab - start));
  return split;
}

}  // namespace cli
