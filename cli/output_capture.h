// Capturing what code writes to std::cout and std::cerr, per thread. The subcommands of a batch
// report on the standard streams; run on worker threads with a capture each, their output and
// messages can be reported in line order and with their line numbers.
#pragma once

#include <memory>
#include <string>

namespace cli {

struct CapturedOutput {
  std::string out;  // what was written to std::cout
  std::string err;  // what was written to std::cerr
};

// While one exists, writes to std::cout and std::cerr from a thread with a capture go into the
// capture; writes from any other thread reach the streams as before.
class OutputRouting {
 public:
  OutputRouting();
  ~OutputRouting();
  OutputRouting(const OutputRouting&) = delete;
  OutputRouting& operator=(const OutputRouting&) = delete;

 private:
  class RoutedBuffer;
  std::unique_ptr<RoutedBuffer> out_;
  std::unique_ptr<RoutedBuffer> err_;
};

// Captures the calling thread's writes for its lifetime.
class ScopedCapture {
 public:
  explicit ScopedCapture(CapturedOutput& output);
  ~ScopedCapture();
  ScopedCapture(const ScopedCapture&) = delete;
  ScopedCapture& operator=(const ScopedCapture&) = delete;

 private:
  CapturedOutput* previous_;
};

}  // namespace cli
