// A progress bar on one line of a terminal: "[#######.............]  350/1000".
#pragma once

#include <cstddef>
#include <ostream>

namespace cli {

class ProgressBar {
 public:
  // Draws nothing unless enabled (a bar belongs on a terminal, not in a log file).
  ProgressBar(std::ostream& out, size_t total, bool enabled);

  void Show(size_t done);
  // Removes the bar from its line, so that a message can be written there; Show draws it again.
  void Clear();

 private:
  std::ostream& out_;
  size_t total_;
  bool enabled_;
  bool shown_ = false;
};

}  // namespace cli
