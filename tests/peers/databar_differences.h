// The two documented rules by which this design's GS1 DataBar separator rows differ from zint's,
// each checked exactly on one separator row and the rows it is built from. Rows are normalised
// module rows ('1' dark) of the same symbol on both sides.
//
// - Stacked: where the rows above and below the separator differ in colour from the left edge
//   on, the separator's alternating modules continue the 1-module light element that stands for
//   the left guard, so their phase can be the opposite of zint's up to the first column where the
//   rows agree.
// - A separator built from the upper stacked row (next to it in Stacked Omnidirectional, and
//   under a 2D component over either stacked form): when the last width of data character 1 and
//   the first two of the left finder add up to 13, the finder test fires one element early, and
//   the separator over character 1's last element and the finder differs.
// - The separator under a 2D component over Omnidirectional: over the right finder of value 3
//   (its widths 3 1 9 lie reversed as 1 1 9 1 3) the 9, 1 and 3 become 10 light, 1 dark and 2
//   light modules, one module right of the complement zint draws there.
//
// Both peers (zint and bwip-js) agree with each other on these symbols.
#pragma once

#include <string>

#include "tests/peers/peer_support.h"

namespace peers {

bool IsStackedSeparatorPhase(const std::string& ours, const std::string& theirs,
                             const std::string& above, const std::string& below);

bool IsEarlyFinderTest(const std::string& ours, const std::string& theirs,
                       const std::string& upperRow);

// Names the rules that explain how the separator next to the whole Omnidirectional row `row`
// differs from zint's: "finder test one element early", "right finder of value 3" or both
// joined by " and "; an empty text when they do not explain it.
std::string ExplainOmniSeparator(const std::string& ours, const std::string& theirs,
                                 const std::string& row);

// Every row but `row` is equal on both sides.
bool OnlyRowDiffers(const ModuleRows& ours, const ModuleRows& theirs, size_t row);

}  // namespace peers
