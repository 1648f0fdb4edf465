#include "cli/progress_bar.h"

#include <string>

namespace cli {

namespace {

constexpr size_t kBarWidth = 40;

}  // namespace

ProgressBar::ProgressBar(std::ostream& out, size_t total, bool enabled)
    : out_(out), total_(total), enabled_(enabled && total > 0) {}

void ProgressBar::Show(size_t done) {
  if (!enabled_)
    return;
  const size_t filled = done * kBarWidth / total_;
  out_ << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << "] " << done
       << "/" << total_ << std::flush;
  shown_ = true;
}

void ProgressBar::Clear() {
  if (!shown_)
    return;
  out_ << "\r" << std::string(kBarWidth + 24, ' ') << "\r" << std::flush;
  shown_ = false;
}

}  // namespace cli
