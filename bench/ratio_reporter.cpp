#include "bench/ratio_reporter.h"

#include <algorithm>
#include <cstdio>

namespace bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.error_occurred)
      continue;
    const std::string name = run.benchmark_name();
    const size_t slash = name.rfind('/');
    if (slash == std::string::npos)
      continue;
    const std::string key = name.substr(0, slash);
    const std::string side = name.substr(slash + 1);
    const double nanoseconds =
        run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    if (!pairs_.contains(key))
      order_.push_back(key);
    Pair& pair = pairs_[key];
    (side == "zint" ? pair.zint : pair.barquill) = nanoseconds;
  }
  ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::PrintRatios(std::ostream& out, double target) const {
  out << "\nzint time / barquill time (target for the encode cases: " << target << "x or more)\n";
  char line[160];
  std::snprintf(line, sizeof line, "%-44s %12s %12s %8s\n", "case", "barquill ns", "zint ns",
                "ratio");
  out << line;
  for (const std::string& key : order_) {
    const Pair& pair = pairs_.at(key);
    if (pair.barquill <= 0 || pair.zint <= 0)
      continue;
    const double ratio = pair.zint / pair.barquill;
    // The document cases also time the stand-in host and the file; they are reported only.
    const bool belowTarget = key.starts_with("encode/") && ratio < target;
    std::snprintf(line, sizeof line, "%-44s %12.0f %12.0f %7.1fx%s\n", key.c_str(), pair.barquill,
                  pair.zint, ratio, belowTarget ? "  below target" : "");
    out << line;
  }
}

}  // namespace bench
