#include "tests/peers/databar_differences.h"

#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace peers {

namespace {

char ModuleAt(const std::string& row, size_t m) {
  return m < row.size() ? row[m] : '0';
}

std::vector<size_t> DifferingModules(const std::string& a, const std::string& b) {
  std::vector<size_t> modules;
  for (size_t m = 0; m < std::max(a.size(), b.size()); ++m) {
    if (ModuleAt(a, m) != ModuleAt(b, m))
      modules.push_back(m);
  }
  return modules;
}

// Element widths of a row, the first a space (0 wide when the row begins with a bar).
std::vector<int> Elements(const std::string& row) {
  std::vector<int> widths{0};
  char colour = '0';
  for (const char module : row) {
    if (module != colour) {
      widths.push_back(0);
      colour = module;
    }
    ++widths.back();
  }
  return widths;
}

// Modules [first, last) of a separator that a rule may change.
struct Window {
  int first = 0;
  int last = 0;
  bool Holds(size_t m) const { return static_cast<int>(m) >= first && static_cast<int>(m) < last; }
};

int ModulesBefore(const std::vector<int>& elements, size_t count) {
  return std::accumulate(elements.begin(), elements.begin() + static_cast<std::ptrdiff_t>(count),
                         0);
}

// The elements of a row are its guard space, guard bar, then inner widths: inner k is element
// k + 2. Where the last width of character 1 (inner 7) and the first two of the left finder add
// up to 13, the separator over inner 7 to 12 may differ.
std::optional<Window> EarlyFinderTestWindow(const std::string& row) {
  const std::vector<int> e = Elements(row);
  if (e.size() < 15 || e[9] + e[10] + e[11] != 13)
    return std::nullopt;
  return Window{ModulesBefore(e, 9), ModulesBefore(e, 15)};
}

// The right finder of value 3 at inner 29 to 33: the separator over inner 31 to 33 reads 10
// light, 1 dark and 2 light modules.
std::optional<Window> RightFinderValue3Window(const std::string& row) {
  const std::vector<int> e = Elements(row);
  if (e.size() < 36 || e[31] != 1 || e[32] != 1 || e[33] != 9 || e[34] != 1 || e[35] != 3)
    return std::nullopt;
  const int first = ModulesBefore(e, 33);
  return Window{first, first + 13};
}

// Our separator looks for a finder wherever three inner widths add up to 13, as a finder's
// first three do, and crosses it with alternating modules; zint looks only where the finders are.
// Where widths of data characters add up to 13 (outside the finders, inner 7 to 12 and 29 to 33,
// which the rules above cover), the separator over those elements and the next may differ.
std::optional<Window> DataFinderHeadWindow(const std::string& row) {
  const std::vector<int> e = Elements(row);
  for (size_t k = 2; k + 3 < e.size(); ++k) {
    const bool atFinder = (k >= 9 && k <= 14) || (k >= 31 && k <= 35);
    if (!atFinder && e[k] + e[k + 1] + e[k + 2] == 13)
      return Window{ModulesBefore(e, k), ModulesBefore(e, k + 4)};
  }
  return std::nullopt;
}

bool DiffersOnlyWithin(const std::string& ours, const std::string& theirs,
                       std::initializer_list<std::optional<Window>> windows) {
  const std::vector<size_t> modules = DifferingModules(ours, theirs);
  return !modules.empty() && std::all_of(modules.begin(), modules.end(), [&](size_t m) {
    return std::any_of(windows.begin(), windows.end(),
                       [m](const std::optional<Window>& w) { return w && w->Holds(m); });
  });
}

}  // namespace

bool IsStackedSeparatorPhase(const std::string& ours, const std::string& theirs,
                             const std::string& above, const std::string& below) {
  const std::vector<size_t> modules = DifferingModules(ours, theirs);
  if (modules.empty())
    return false;
  for (size_t m = 0; m <= modules.back(); ++m) {
    if (ModuleAt(above, m) == ModuleAt(below, m))
      return false;
  }
  return true;
}

bool IsEarlyFinderTest(const std::string& ours, const std::string& theirs,
                       const std::string& upperRow) {
  return DiffersOnlyWithin(ours, theirs, {EarlyFinderTestWindow(upperRow)});
}

std::string ExplainOmniSeparator(const std::string& ours, const std::string& theirs,
                                 const std::string& row) {
  const std::optional<Window> early = EarlyFinderTestWindow(row);
  std::optional<Window> right = RightFinderValue3Window(row);
  if (right && ours.substr(right->first, 13) != "0000000000100")
    right.reset();
  const std::vector<size_t> modules = DifferingModules(ours, theirs);
  const auto within = [&](const std::optional<Window>& window) {
    return window &&
           std::any_of(modules.begin(), modules.end(), [&](size_t m) { return window->Holds(m); });
  };
  const std::optional<Window> central = DataFinderHeadWindow(row);
  if (!DiffersOnlyWithin(ours, theirs, {early, right, central}))
    return "";
  std::string explanation;
  const auto add = [&](const std::optional<Window>& window, const char* rule) {
    if (within(window))
      explanation += (explanation.empty() ? "" : " and ") + std::string(rule);
  };
  add(early, "finder test one element early");
  add(right, "right finder of value 3");
  add(central, "finder test over data characters");
  return explanation;
}

bool OnlyRowDiffers(const ModuleRows& ours, const ModuleRows& theirs, size_t row) {
  if (ours.size() != theirs.size())
    return false;
  for (size_t r = 0; r < ours.size(); ++r) {
    if (r != row && ours[r] != theirs[r])
      return false;
  }
  return true;
}

}  // namespace peers
