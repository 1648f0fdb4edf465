#include "cli/progress_bar.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace cli {

namespace {

constexpr size_t kDefaultColumns = 80;
constexpr size_t kNarrowestBar = 3;  // "[" one mark "]"

}  // namespace

ProgressBar::ProgressBar(std::ostream& out, size_t total, bool enabled, size_t (*columns)())
    : out_(out), total_(total), enabled_(enabled && total > 0), columns_(columns) {}

std::string ProgressBar::Line(size_t done, size_t total, size_t width) {
  const std::string count = std::to_string(done) + "/" + std::to_string(total);
  if (count.size() + 1 + kNarrowestBar > width)
    return count.substr(0, width);
  const size_t marks = width - count.size() - 1 - 2;
  const size_t filled = total > 0 ? done * marks / total : 0;
  return "[" + std::string(filled, '#') + std::string(marks - filled, '.') + "] " + count;
}

void ProgressBar::Show(size_t done) {
  if (!enabled_)
    return;
  const size_t columns = columns_();
  const std::string line = Line(done, total_, columns > 1 ? columns - 1 : 1);
  out_ << "\r" << line;
  if (line.size() < shown_)
    out_ << std::string(shown_ - line.size(), ' ') << "\r" << line;
  out_ << std::flush;
  shown_ = line.size();
}

void ProgressBar::Clear() {
  if (shown_ == 0)
    return;
  out_ << "\r" << std::string(shown_, ' ') << "\r" << std::flush;
  shown_ = 0;
}

size_t TerminalColumns() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
    return size.ws_col;
  if (const char* columns = std::getenv("COLUMNS")) {
    const long value = std::strtol(columns, nullptr, 10);
    if (value > 0)
      return static_cast<size_t>(value);
  }
  return kDefaultColumns;
}

}  // namespace cli
