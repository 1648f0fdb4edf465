#include "tests/peers/peer_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace peers {

namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// A row of zint's dump: hexadecimal digits of 4 modules each, groups separated by spaces.
std::string ModulesOfDumpLine(const std::string& line) {
  std::string modules;
  for (const char c : line) {
    if (c == ' ')
      continue;
    const int value = std::stoi(std::string(1, c), nullptr, 16);
    for (int bit = 3; bit >= 0; --bit)
      modules += (value >> bit & 1) != 0 ? '1' : '0';
  }
  return modules;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

}  // namespace

uint64_t CaseSeed(uint64_t fallback) {
  uint64_t seed = fallback;
  if (const char* text = std::getenv("BARQUILL_PEER_SEED"))
    seed = std::strtoull(text, nullptr, 10);
  std::cout << "random cases from seed " << seed << " (set BARQUILL_PEER_SEED to repeat)\n";
  return seed;
}

std::vector<std::string> RandomNumbers(std::mt19937_64& random, int count, uint64_t limit,
                                       int digits) {
  std::vector<std::string> numbers;
  for (int i = 0; i < count; ++i) {
    std::string number = std::to_string(random() % limit);
    numbers.push_back(std::string(digits - std::min<int>(digits, number.size()), '0') + number);
  }
  return numbers;
}

std::string RunCommand(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr)
    throw std::runtime_error("cannot run: " + command);
  std::string output;
  std::array<char, 65536> buffer;
  for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    output.append(buffer.data(), n);
  if (pclose(pipe) != 0)
    throw std::runtime_error("failed: " + command);
  return output;
}

std::vector<ModuleRows> ZintRows(int symbology, const std::vector<std::string>& inputs,
                                 int rowsPerSymbol, const std::string& extraOptions) {
  const ScratchDirectory scratch;
  const std::filesystem::path list = scratch.path() / "inputs.txt";
  {
    std::ofstream out(list);
    for (const std::string& input : inputs)
      out << input << "\n";
  }
  const std::vector<std::string> lines =
      Lines(RunCommand("zint -b " + std::to_string(symbology) + " " + extraOptions +
                       " --batch --dump -i " + Quoted(list.string()) + " 2>&1"));
  if (lines.size() != inputs.size() * rowsPerSymbol) {
    throw std::runtime_error("zint gave " + std::to_string(lines.size()) + " rows for " +
                             std::to_string(inputs.size()) + " symbols" +
                             (lines.empty() ? "" : ": " + lines.front()));
  }
  std::vector<ModuleRows> symbols(inputs.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    symbols[i / rowsPerSymbol].push_back(ModulesOfDumpLine(lines[i]));
  }
  return symbols;
}

ModuleRows ZintDump(const std::vector<std::string>& arguments) {
  std::vector<std::string> command{"zint"};
  command.insert(command.end(), arguments.begin(), arguments.end());
  command.push_back("--dump");
  std::vector<char*> argv;
  for (std::string& argument : command)
    argv.push_back(argument.data());
  argv.push_back(nullptr);

  int pipeEnds[2];
  if (pipe(pipeEnds) != 0)
    throw std::runtime_error("cannot make a pipe for zint");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, "zint", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  std::string output;
  std::array<char, 4096> buffer;
  for (ssize_t n; (n = read(pipeEnds[0], buffer.data(), buffer.size())) > 0;)
    output.append(buffer.data(), n);
  close(pipeEnds[0]);
  if (spawned != 0)
    throw std::runtime_error("cannot run zint");
  int status = 0;
  waitpid(pid, &status, 0);
  ModuleRows rows;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return rows;
  for (const std::string& line : Lines(output))
    rows.push_back(ModulesOfDumpLine(line));
  return rows;
}

ModuleRows NormaliseRows(ModuleRows rows) {
  size_t margin = std::string::npos;
  for (const std::string& row : rows)
    margin = std::min(margin, row.find('1'));
  for (std::string& row : rows) {
    const size_t last = row.rfind('1');
    row = last == std::string::npos || margin == std::string::npos
              ? std::string()
              : row.substr(margin, last + 1 - margin);
  }
  return rows;
}

std::vector<Decoded> DecodePngs(const std::vector<std::filesystem::path>& files) {
  std::vector<Decoded> results;
  // Batches keep the command line short; each batch starts the decoder once.
  constexpr size_t kBatch = 500;
  for (size_t start = 0; start < files.size(); start += kBatch) {
    std::string command = "node " + Quoted(BARQUILL_PEERS_DIR "/decode.mjs");
    const size_t end = std::min(files.size(), start + kBatch);
    for (size_t i = start; i < end; ++i)
      command += " " + Quoted(files[i].string());
    const std::vector<std::string> lines = Lines(RunCommand(command));
    if (lines.size() != end - start)
      throw std::runtime_error("decoder output is incomplete");
    for (size_t i = start; i < end; ++i) {
      const std::string& line = lines[i - start];
      const std::string prefix = files[i].string() + "\t";
      if (line.rfind(prefix, 0) != 0)
        throw std::runtime_error("decoder output out of order");
      const std::string rest = line.substr(prefix.size());
      const size_t tab = rest.find('\t');
      results.push_back(
          {rest.substr(0, tab), tab == std::string::npos ? "" : rest.substr(tab + 1)});
    }
  }
  return results;
}

std::vector<LintVerdict> LintGs1(const std::vector<std::string>& texts) {
  const ScratchDirectory scratch;
  const std::filesystem::path list = scratch.path() / "messages.txt";
  {
    std::ofstream out(list);
    for (const std::string& text : texts) {
      if (text.find('\n') != std::string::npos)
        throw std::runtime_error("a GS1 message for bwip-js holds a line break");
      out << text << "\n";
    }
  }
  const std::vector<std::string> lines = Lines(RunCommand(
      "node " + Quoted(BARQUILL_PEERS_DIR "/gs1_lint.mjs") + " " + Quoted(list.string())));
  if (lines.size() != texts.size())
    throw std::runtime_error("bwip-js gave " + std::to_string(lines.size()) + " verdicts for " +
                             std::to_string(texts.size()) + " messages");
  std::vector<LintVerdict> verdicts;
  for (const std::string& line : lines) {
    const size_t tab = line.find('\t');
    verdicts.push_back({line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)});
  }
  return verdicts;
}

ScratchDirectory::ScratchDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "barquill-peers-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot make a scratch directory");
  path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace peers
