// Numbers in the document writers' text: what printf's "%.9g" writes (nine significant digits,
// trailing zeros dropped, exponent notation below 1e-4 and from 1e9), without printf's cost.
#pragma once

#include <string>

namespace emulator {

// Appends the value as "%.9g" writes it in the C locale.
void AppendNumber(std::string& text, double value);

}  // namespace emulator
