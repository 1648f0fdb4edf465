// The zint library, the peer the benchmarks measure against, used through its public API only.
#pragma once

#include <string>

namespace bench {

// One zint symbol: its symbology code and the options that select the same symbol as ours.
struct ZintRequest {
  int symbology = 0;
  std::string data{};     // GS1 data in "[AI]data" form, or the digits of a linear item
  std::string primary{};  // the linear item of a composite symbol, or empty
  int option1 = 0;        // composite: 1 CC-A, 2 CC-B
  int option2 = 0;        // Expanded Stacked: segment pairs per row
};

// Create, encode and delete: one encode as a caller of the library pays for it. Returns zint's
// result code (0, or a warning below 5, on success).
int ZintEncode(const ZintRequest& request);

// Create, encode, print as an SVG file and delete.
int ZintEncodeToSvg(const ZintRequest& request, const char* path);

// Whether a zint result code means the symbol was made.
constexpr bool ZintSucceeded(int result) {
  return result < 5;
}

}  // namespace bench
