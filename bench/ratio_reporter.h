// A console reporter that also remembers each benchmark's time, so that the run can end with a
// table of how much faster each case is than the peer. Cases come in pairs named
// "CASE/barquill" and "CASE/zint".
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  // One line per case with both times and zint's time divided by ours; cases whose ratio is
  // below `target` are marked.
  void PrintRatios(std::ostream& out, double target) const;

 private:
  struct Pair {
    double barquill = 0;  // nanoseconds per iteration
    double zint = 0;
    int64_t registered = 0;  // the order the case was registered in
  };
  std::map<std::string, Pair> pairs_;
};

}  // namespace bench
