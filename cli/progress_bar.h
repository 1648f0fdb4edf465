// A progress bar on one line of a terminal: "[#######.............] 350/1000", as wide as the
// terminal (less one column, so that the line never wraps), redrawn in place with a carriage
// return.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace cli {

class ProgressBar {
 public:
  // Draws nothing unless enabled (a bar belongs on a terminal, not in a log file). columns()
  // gives the terminal's width at each drawing.
  ProgressBar(std::ostream& out, size_t total, bool enabled, size_t (*columns)());

  void Show(size_t done);
  // Removes the bar from its line, so that a message can be written there; Show draws it again.
  void Clear();

  // The bar's line for `done` of `total` in at most `width` characters.
  static std::string Line(size_t done, size_t total, size_t width);

 private:
  std::ostream& out_;
  size_t total_;
  bool enabled_;
  size_t (*columns_)();
  size_t shown_ = 0;  // the length of the line drawn, 0 for none
};

// The width of the terminal on standard error: its window size, else $COLUMNS, else 80.
size_t TerminalColumns();

}  // namespace cli
