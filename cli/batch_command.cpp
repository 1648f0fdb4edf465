// barquill batch: many symbols from one file of jobs, one job per line, spread over the cores.
// Each job is a subcommand with its options, run exactly as on the command line; its file is
// written as the job names it, or the symbols are laid out together on a sheet.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cli/batch_jobs.h"
#include "cli/batch_runner.h"
#include "cli/command_messages.h"
#include "cli/command_report.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/options.h"
#include "cli/output_capture.h"
#include "cli/progress_bar.h"
#include "cli/sheet_layout.h"
#include "emulator/document_writer.h"
#include "emulator/emulator.h"
#include "host/suite_acquisition.h"

namespace cli {

namespace {

constexpr OptionDefinition kOptions[] = {
    {"output", "-o", "DIR", "-o out/",
     "the directory the jobs' files go to: a job's own -o name is taken inside it, a job "
     "without one writes LINE.svg (default: the current directory)"},
    {"sheet", "", "FILE", "--sheet labels.pdf",
     "lay every symbol out on A4 pages of one sheet instead of writing the jobs' files: "
     "FILE.pdf holds every page; FILE.svg one page, or FILE-1.svg, FILE-2.svg, ... for more"},
    {"jobs", "", "N", "--jobs 2", "jobs run at once, 1 to 256 (default: the number of cores)"},
    {"help", "-h", "", "--help", "show this help"},
};

constexpr int kMostJobs = 256;
// The summary names at most this many of the lines that were not made; each was reported.
constexpr size_t kSummaryLines = 20;

constexpr CommandReport kReport("batch");

void PrintHelp() {
  std::cout << "usage: barquill batch FILE|- [-o DIR | --sheet FILE] [--jobs N]\n\n"
               "Runs one job per line of FILE (or of standard input for -): a subcommand and its "
               "options,\nseparated by tabs, as they would follow \"barquill\" on the command "
               "line, e.g.\n  databar<TAB>--type<TAB>stacked<TAB>--code<TAB>2001234567890"
               "<TAB>-o<TAB>x.svg\nBlank lines and lines starting with # are skipped, and so is "
               "a byte order mark at the\nstart. A job's -o names a file inside DIR by a "
               "relative path without \"..\"; a job without\n-o writes LINE.svg. A line that "
               "fails is reported with its line number and the others are\nstill made; the exit "
               "status is then 1 when a job failed to write or the host failed,\nelse 2. Every "
               "file is written whole under a temporary name and then renamed, so an\n"
               "interrupted batch leaves only whole files. A summary line ends the run; a "
               "progress bar\nshows on a terminal.\n\nexample: barquill batch jobs.tsv -o out/ "
               "--jobs 2\n\noptions:\n";
  PrintOptionHelp(std::cout, kOptions);
}

struct BatchRequest {
  std::string input;  // the batch file, or "-"
  std::string directory;
  std::string sheet;
  int jobs = 1;
};

// Takes the batch file out of the arguments (the one argument that is neither an option nor an
// option's value), so that the rest can be parsed as options.
std::optional<std::string> TakeInput(std::vector<std::string_view>& arguments,
                                     panels::MessageLines& error) {
  std::optional<std::string> input;
  const auto refuse = [&error](const panels::Message& message,
                               std::initializer_list<std::string_view> values) {
    error = panels::BothLanguages(message, values);
    return std::nullopt;
  };
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "-o" || argument == "--output" || argument == "--sheet" ||
        argument == "--jobs") {
      ++i;
      continue;
    }
    if (argument != "-" && argument.starts_with("-"))
      continue;
    if (input)
      return refuse(kMsgBatchTwoInputs, {*input, argument});
    input = std::string(argument);
    arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i));
    --i;
  }
  if (!input)
    return refuse(kMsgBatchInputRequired, {});
  return input;
}

std::optional<int> ReadJobCount(const ParsedOptions& options) {
  const std::optional<std::string> text = options.value("jobs");
  if (!text) {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostJobs);
  }
  if (text->empty() || text->size() > 3 ||
      text->find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int jobs = std::stoi(*text);
  if (jobs < 1 || jobs > kMostJobs)
    return std::nullopt;
  return jobs;
}

// The report of a job's messages: each line after "barquill batch: line N: ", the subcommand's
// own "barquill " prefix dropped.
void ReportMessages(int line, const std::string& messages) {
  size_t start = 0;
  while (start < messages.size()) {
    size_t end = messages.find('\n', start);
    if (end == std::string::npos)
      end = messages.size();
    std::string_view message(messages.data() + start, end - start);
    if (message.starts_with("barquill "))
      message.remove_prefix(9);
    std::cerr << "barquill batch: line " << line << ": " << message << "\n";
    start = end + 1;
  }
}

std::string LowerExtension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// The file of each page: FILE.pdf for all; FILE.svg for one page, else FILE-1.svg, FILE-2.svg...
// Adds the files written to `written`; returns why the next could not be written, or nothing.
std::string WriteSheet(const std::vector<emulator::SheetPage>& pages, const std::string& path,
                       size_t& written) {
  const std::filesystem::path file(path);
  if (LowerExtension(path) == ".pdf" || pages.size() == 1) {
    std::string problem = emulator::WriteSheet(pages, path).error;
    written += problem.empty() ? 1 : 0;
    return problem;
  }
  for (size_t p = 0; p < pages.size(); ++p) {
    std::filesystem::path pagePath = file;
    pagePath.replace_filename(file.stem().string() + "-" + std::to_string(p + 1) +
                              file.extension().string());
    const std::string problem =
        emulator::WriteSheet(std::span(pages).subspan(p, 1), pagePath.string()).error;
    if (!problem.empty())
      return problem;
    ++written;
  }
  return {};
}

// What a batch did, for its summary line.
struct BatchTally {
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
  size_t filesWritten = 0;
  std::vector<int> linesNotMade;
};

void PrintSummary(const BatchTally& tally) {
  std::string lines;
  for (size_t i = 0; i < tally.linesNotMade.size() && i <= kSummaryLines; ++i) {
    lines += i == 0 ? "" : ", ";
    lines += i < kSummaryLines ? std::to_string(tally.linesNotMade[i]) : "...";
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - tally.start;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.1f", elapsed.count());
  const panels::MessageLines where = lines.empty()
                                         ? panels::MessageLines{}
                                         : panels::BothLanguages(kMsgBatchSummaryLines, {lines});
  const std::string files = std::to_string(tally.filesWritten);
  const std::string notMade = std::to_string(tally.linesNotMade.size());
  kReport.Tell(
      {panels::FillBlanks(kMsgBatchSummary.japanese, {files, notMade, where.japanese, seconds}),
       panels::FillBlanks(kMsgBatchSummary.english, {files, notMade, where.english, seconds})});
}

int RunJobs(const std::vector<BatchJob>& jobs, const BatchRequest& request, BatchTally& tally) {
  const bool sheet = !request.sheet.empty();
  int status = kExitOk;
  std::vector<std::unique_ptr<emulator::Document>> symbols;
  {
    // The suites are held once for every worker thread; each worker has its own emulator.
    emulator::Emulator host;
    host::ScopedSuites suites(host.basic());
    if (suites.result() != host::kNoError)
      return kReport.Failed(kMsgSuitesUnavailable);
    OutputRouting routing;
    ProgressBar bar(std::cerr, jobs.size(), isatty(STDERR_FILENO) != 0, TerminalColumns);
    RunBatchJobs(
        jobs, {request.jobs, sheet},
        [&](size_t index, BatchResult& result) {
          std::cout << result.output.out;
          if (result.status != kExitOk && result.output.err.empty()) {
            const panels::MessageLines failed =
                panels::BothLanguages(kMsgFailedWithStatus, {std::to_string(result.status)});
            result.output.err = failed.japanese + "\n" + failed.english + "\n";
          }
          if (!result.output.err.empty()) {
            bar.Clear();
            ReportMessages(jobs[index].line, result.output.err);
          }
          if (result.status != kExitOk) {
            tally.linesNotMade.push_back(jobs[index].line);
            if (status != kExitFailure)
              status = result.status == kExitBadInput ? kExitBadInput : kExitFailure;
          } else if (!jobs[index].output.empty()) {
            ++tally.filesWritten;
          }
          if (result.document)
            symbols.push_back(std::move(result.document));
        },
        [&](size_t done) { bar.Show(done); });
    bar.Clear();
  }
  if (!sheet)
    return status;
  if (symbols.empty()) {
    kReport.Failed(kMsgBatchNoSymbol, {request.sheet});
    return status == kExitOk ? kExitBadInput : status;
  }
  std::vector<const emulator::Document*> documents;
  for (const auto& symbol : symbols)
    documents.push_back(symbol.get());
  if (const std::string problem =
          WriteSheet(LayOutSheet(documents), request.sheet, tally.filesWritten);
      !problem.empty()) {
    return kReport.Failed(kMsgCannotWrite, {request.sheet, problem});
  }
  return status;
}

}  // namespace

int RunBatch(std::span<const std::string_view> arguments) {
  std::vector<std::string_view> rest(arguments.begin(), arguments.end());
  const bool help = std::find(rest.begin(), rest.end(), "--help") != rest.end() ||
                    std::find(rest.begin(), rest.end(), "-h") != rest.end();
  if (help) {
    PrintHelp();
    return kExitOk;
  }
  panels::MessageLines error;
  const std::optional<std::string> input = TakeInput(rest, error);
  if (!input)
    return kReport.Unusable(error);
  const ParseResult parsed = ParseOptions(rest, kOptions);
  if (parsed.error)
    return kReport.Unusable(*parsed.error);
  const ParsedOptions& options = parsed.options;

  BatchRequest request;
  request.input = *input;
  request.directory = options.value("output").value_or("");
  request.sheet = options.value("sheet").value_or("");
  const std::optional<int> jobs = ReadJobCount(options);
  if (!jobs)
    return kReport.BadInput("--jobs", kMsgExpectedJobs);
  request.jobs = *jobs;
  if (!request.sheet.empty() && options.has("output"))
    return kReport.BadInput("--sheet", kMsgSheetWithOutput);
  if (!request.sheet.empty() && LowerExtension(request.sheet) != ".pdf" &&
      LowerExtension(request.sheet) != ".svg") {
    return kReport.BadInput("--sheet", kMsgSheetExtension);
  }
  if (!request.directory.empty()) {
    std::error_code failed;
    std::filesystem::create_directories(request.directory, failed);
    if (failed)
      return kReport.BadInput("-o", kMsgCannotMakeDirectory, {request.directory, failed.message()});
  }

  std::ifstream file;
  if (request.input != "-") {
    file.open(request.input, std::ios::binary);
    if (!file)
      return kReport.BadInput("", kMsgCannotRead, {request.input});
  }
  std::istream& in = request.input == "-" ? std::cin : file;
  BatchTally tally;
  const std::vector<BatchJob> batch =
      ReadBatchJobs(in, Commands(), {request.directory, !request.sheet.empty()});
  const int status = RunJobs(batch, request, tally);
  PrintSummary(tally);
  return status;
}

}  // namespace cli
