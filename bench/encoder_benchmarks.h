// Registration of the benchmark cases; each case registers "CASE/barquill" and "CASE/zint".
#pragma once

namespace bench {

// Each encoder on its own: the DataBar forms with and without a CC-A or CC-B component,
// Expanded at several segment counts, GS1-128, each over a thousand distinct inputs that make the
// symbol the case is meant to on both sides (a CC-A, not a CC-B; one row, or several). Aborts
// when too few candidates do.
void RegisterEncoderBenchmarks();

// A symbol made into a document of the stand-in host and written as SVG, beside zint encoding
// the same symbol and printing it as SVG. Files go to `directory`.
void RegisterDocumentBenchmarks(const char* directory);

}  // namespace bench
