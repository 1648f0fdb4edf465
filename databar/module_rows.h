// The encoded symbol as rows of modules, for the command's text dump and the tests.
#pragma once

#include <string>
#include <vector>

#include "databar/gs1_databar_symbol.h"

namespace databar {

// Top row first, separators and 2D rows included; '1' is a dark module, '0' a light one; every
// row starts at the symbol's left edge. Empty without a record.
std::vector<std::string> ModuleRows(const CGS1DataBarSymbol& symbol);

}  // namespace databar
