#include "bench/ratio_reporter.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "bench/benchmark_inputs.h"

namespace bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    // The median of the repetitions; a run without repetitions has only its one iteration run.
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if ((!median && (run.run_type != Run::RT_Iteration || run.repetitions > 1)) ||
        run.error_occurred) {
      continue;
    }
    const std::string name = run.run_name.str();
    const size_t slash = name.rfind('/');
    if (slash == std::string::npos)
      continue;
    const std::string key = name.substr(0, slash);
    const std::string side = name.substr(slash + 1);
    // The thread's processor time: on a shared machine it counts less of the others' load than
    // the wall clock does.
    const double nanoseconds =
        run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    const bool first = !pairs_.contains(key);
    Pair& pair = pairs_[key];
    if (first || run.family_index < pair.registered)
      pair.registered = run.family_index;
    (side == "zint" ? pair.zint : pair.barquill) = nanoseconds;
  }
  ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::PrintRatios(std::ostream& out, double target) const {
  out << "\nzint time / barquill time, medians of the repetitions (target for the encode cases: "
      << target << "x or more)\n"
      << "setup: each iteration makes a fresh symbol on both sides from the next of " << kInputCount
      << " distinct inputs in the form a user types them\n";
  char line[160];
  std::snprintf(line, sizeof line, "%-44s %12s %12s %8s\n", "case", "barquill ns", "zint ns",
                "ratio");
  out << line;
  // The repetitions run interleaved; the table lists the cases as they were registered.
  std::vector<std::pair<int64_t, std::string>> order;
  for (const auto& [key, pair] : pairs_)
    order.emplace_back(pair.registered, key);
  std::sort(order.begin(), order.end());
  for (const auto& [registered, key] : order) {
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
