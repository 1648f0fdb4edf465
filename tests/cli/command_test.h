// Running the barquill command as a user runs it, for the command tests: its exit status, what
// it prints, and a scratch directory for the files it writes.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

struct CommandRun {
  int status = -1;
  std::string out;
  std::string err;
};

class CommandTest : public ::testing::Test {
 protected:
  CommandTest() {
    directory_ = fs::temp_directory_path() /
                 ("barquill-cli-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(directory_);
  }
  ~CommandTest() override { fs::remove_all(directory_); }

  CommandRun Barquill(const std::string& arguments) {
    const fs::path err = directory_ / "stderr.txt";
    const std::string command =
        std::string(BARQUILL_COMMAND) + " " + arguments + " 2>" + err.string();
    CommandRun run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
      run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(err);
    run.err.assign(std::istreambuf_iterator<char>(in), {});
    return run;
  }

  std::string Output(const char* name) { return (directory_ / name).string(); }

  fs::path directory_;
};

// Whether the messages on standard error come in both languages: a Japanese text first (it may
// run over several lines) and an English line last.
inline bool HasBothLanguages(const std::string& err) {
  const auto ascii = [](const std::string& line) {
    for (const char c : line) {
      if (static_cast<unsigned char>(c) >= 0x80)
        return false;
    }
    return true;
  };
  std::istringstream stream(err);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines.size() >= 2 && !ascii(lines.front()) && ascii(lines.back());
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}
