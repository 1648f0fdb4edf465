// barquill batch stopped half-way, as a user's Ctrl-C or a killed process stops it: only whole
// files under the outputs' names. An interrupt removes the temporary files too; SIGKILL, which
// cannot be caught, may leave one, named as such. And the progress bar in a narrow terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "tests/cli/command_test.h"

extern char** environ;

namespace {

class BatchInterruptTest : public CommandTest {
 protected:
  static constexpr int kJobs = 3000;

  std::string JobFile() {
    const std::string path = Output("jobs.txt");
    std::ofstream out(path);
    for (int line = 1; line <= kJobs; ++line) {
      out << "databar\t--type\tstacked-omnidirectional\t--code\t2001234567890\t--cc\t"
             "(17)991231(10)LOT"
          << line << "\t--text\tframe\n";
    }
    return path;
  }

  // Starts the batch, waits until at least `started` files are whole, sends the signal, and
  // returns the exit status as waitpid reports it.
  int InterruptAfter(int started, int signal) {
    const std::string jobs = JobFile();
    const std::string directory = Output("out");
    fs::create_directories(directory);
    std::vector<std::string> words = {BARQUILL_COMMAND, "batch",  jobs, "-o",
                                      directory,        "--jobs", "2"};
    std::vector<char*> argv;
    for (std::string& word : words)
      argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, Output("stderr.txt").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = 0;
    EXPECT_EQ(posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (WholeFiles() < static_cast<size_t>(started) &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(child, signal);
    int status = 0;
    waitpid(child, &status, 0);
    return status;
  }

  std::vector<fs::path> Files() {
    std::vector<fs::path> files;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(Output("out"), ignored))
      files.push_back(entry.path());
    return files;
  }

  size_t WholeFiles() {
    const std::vector<fs::path> files = Files();
    return static_cast<size_t>(std::count_if(files.begin(), files.end(),
                                             [](const fs::path& f) { return !IsTemporary(f); }));
  }

  static bool IsTemporary(const fs::path& file) {
    const std::string name = file.filename().string();
    return name.starts_with(".") && name.find(".svg.tmp-") != std::string::npos;
  }

  static bool IsWholeSvg(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    return text.starts_with("<?xml") && text.ends_with("</svg>\n");
  }
};

TEST_F(BatchInterruptTest, InterruptLeavesOnlyWholeFilesAndNoTemporaryOne) {
  const int status = InterruptAfter(200, SIGINT);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
  const std::vector<fs::path> files = Files();
  EXPECT_GE(files.size(), 200u);
  EXPECT_LT(files.size(), static_cast<size_t>(kJobs)) << "the batch was not stopped half-way";
  for (const fs::path& file : files) {
    EXPECT_FALSE(IsTemporary(file)) << file;
    EXPECT_TRUE(IsWholeSvg(file)) << file;
  }
  std::ifstream err(Output("stderr.txt"));
  const std::string said(std::istreambuf_iterator<char>(err), {});
  EXPECT_NE(said.find("barquill: interrupted; no partly written file is left"), std::string::npos)
      << said;
}

TEST_F(BatchInterruptTest, KillLeavesWholeFilesAndAtMostTemporaryOnes) {
  const int status = InterruptAfter(200, SIGKILL);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
  size_t whole = 0;
  size_t temporary = 0;
  for (const fs::path& file : Files()) {
    if (IsTemporary(file)) {
      ++temporary;
      continue;
    }
    EXPECT_TRUE(IsWholeSvg(file)) << file;
    ++whole;
  }
  EXPECT_GE(whole, 200u);
  EXPECT_LE(temporary, 2u);  // one per worker at most
}

// The bar is redrawn on one line of a 30-column terminal, never wrapping into more.
TEST_F(BatchInterruptTest, ProgressBarStaysOnOneLineOfANarrowTerminal) {
  if (std::system("tmux -V >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "tmux is not installed";
  const std::string jobs = JobFile();
  const std::string session = "barquill-bar-" + std::to_string(::getpid());
  const std::string command = std::string(BARQUILL_COMMAND) + " batch " + jobs + " -o " +
                              Output("out") + " --jobs 1; sleep 30";
  ASSERT_EQ(
      std::system(("tmux new-session -d -s " + session + " -x 30 -y 10 '" + command + "'").c_str()),
      0);
  size_t barsSeen = 0;
  for (int look = 0; look < 40; ++look) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::string capture = Output("pane.txt");
    std::system(("tmux capture-pane -p -t " + session + " > " + capture).c_str());
    std::ifstream in(capture);
    size_t barLines = 0;
    for (std::string line; std::getline(in, line);) {
      if (line.starts_with("[") || line.find("/" + std::to_string(kJobs)) != std::string::npos) {
        EXPECT_LE(line.size(), 30u) << line;
        ++barLines;
      }
    }
    EXPECT_LE(barLines, 1u);
    barsSeen += barLines;
  }
  std::system(("tmux kill-session -t " + session).c_str());
  EXPECT_GT(barsSeen, 0u);
}

}  // namespace
