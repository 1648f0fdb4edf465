// Registration of the benchmark cases; each case registers "CASE/barquill" and "CASE/zint".
#pragma once

namespace bench {

// Each encoder on its own: the DataBar forms with and without a CC-A or CC-B component,
// Expanded at several segment counts, GS1-128. Aborts when a case's data does not make the
// symbol it is meant to (a CC-A that became a CC-B, data the peer refuses).
void RegisterEncoderBenchmarks();

// A symbol made into a document of the stand-in host and written as SVG, beside zint encoding
// the same symbol and printing it as SVG. Files go to `directory`.
void RegisterDocumentBenchmarks(const char* directory);

}  // namespace bench
