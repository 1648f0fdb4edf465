// Benchmarks of the encoders and of making a document, each beside zint on the same symbols,
// ending with a table of zint's time divided by ours: the median of the repetitions, which run
// interleaved in random order so that a change in the machine's load falls on both sides alike.
//
// Not run by the test command. To run, from an optimised native build (Release gives the best
// numbers):
//   cmake --build build --target barquill_bench
//   build/bench/barquill_bench [--benchmark_filter=REGEX] [--benchmark_min_time=0.5]
//                              [--benchmark_repetitions=N]
// The SVG files of the document cases are written to /dev/shm (else the temporary directory)
// and removed after.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "bench/encoder_benchmarks.h"
#include "bench/ratio_reporter.h"

namespace {

// Each encoder is to be at least this many times faster than zint's encode of the same symbol.
constexpr double kTargetRatio = 3.0;

// Flags given before the caller's, which may override them.
const char* const kDefaultFlags[] = {"--benchmark_repetitions=7",
                                     "--benchmark_enable_random_interleaving=true",
                                     "--benchmark_report_aggregates_only=true"};

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> arguments = {argv[0]};
  for (const char* flag : kDefaultFlags)
    arguments.push_back(const_cast<char*>(flag));
  arguments.insert(arguments.end(), argv + 1, argv + argc);
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
    return 1;

  // In memory where the system offers it, so that the disk does not time the document cases.
  const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  const std::filesystem::path directory = base / ("barquill-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(directory);
  bench::RegisterEncoderBenchmarks();
  bench::RegisterDocumentBenchmarks(directory.c_str());

  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios(std::cout, kTargetRatio);
  benchmark::Shutdown();
  std::filesystem::remove_all(directory);
  return 0;
}
