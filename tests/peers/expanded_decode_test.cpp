// GS1 DataBar Expanded symbols made by the Expanded panel's create action (the element strings
// drawn under the symbol as the panel draws them) and written as PNG files by the stand-in host
// decode with zxing-wasm to their element string, for random element strings typed into the
// panel, in turn at every segments-per-row count, a quarter with a 2D component (the decoder
// reads the linear part only). Where the element string holds an AI the decoder does not know
// (such as 230 or 8102), it gives the data as it stands, FNC1 as <GS>, without parentheses.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "panels/ai_table.h"
#include "panels/expanded_form.h"
#include "tests/peers/expanded_symbols.h"
#include "tests/peers/peer_support.h"

namespace peers {
namespace {

constexpr int kRandomCases = 1000;
// One 0.353 mm module is almost exactly 4 pixels at 288 dpi.
constexpr int kDpi = 288;

bool TypedIntoThePanel(const ExpandedCase& c) {
  for (const Element& element : c.elements) {
    if (panels::FindAiRow(element.ai) == nullptr)
      return false;
  }
  return true;
}

TEST(ExpandedDecodes, ToTheElementString) {
  ExpandedCaseGenerator generator(CaseSeed(20250402));
  ExpandedMaker maker;
  const ScratchDirectory scratch;
  struct Made {
    ExpandedCase c;
    int segments;
    std::filesystem::path file;
  };
  std::vector<Made> made;
  int notTyped = 0, tooLong = 0;
  for (int i = 0; static_cast<int>(made.size()) < kRandomCases; ++i) {
    const ExpandedCase c = generator.Next();
    const int segments = panels::kMinSegmentsPerRow + 2 * (i % 11);
    if (!TypedIntoThePanel(c)) {
      ++notTyped;  // prices (AI 392x and 393x) are not in the panel's table
      continue;
    }
    if (!c.compositeElements.empty() && segments < 4)
      continue;
    const ExpandedMaker::Made rows = maker.Rows(c, segments);
    if (rows.rows.empty()) {
      ++tooLong;
      continue;
    }
    const std::filesystem::path file = scratch.path() / (std::to_string(made.size()) + ".png");
    ASSERT_EQ(maker.WritePng(c, segments, file, kDpi), "") << c.Code();
    made.push_back({c, segments, file});
  }
  std::vector<std::filesystem::path> files;
  for (const Made& m : made)
    files.push_back(m.file);
  const std::vector<Decoded> decoded = DecodePngs(files);
  int agreed = 0, unparsed = 0;
  std::map<int, int> bySegments;
  for (size_t i = 0; i < made.size(); ++i) {
    std::string raw;
    for (const char c : made[i].c.EncoderText())
      raw += c == '#' ? std::string("<GS>") : std::string(1, c);
    const bool parsed = decoded[i].text == made[i].c.Decoded();
    // The decoder names a stacked symbol "DataBarExpStk" or "DataBarExp", by how it found it.
    if ((parsed || decoded[i].text == raw) && decoded[i].format.starts_with("DataBarExp")) {
      ++agreed;
      unparsed += parsed ? 0 : 1;
      ++bySegments[made[i].segments];
    } else {
      ADD_FAILURE() << made[i].c.Code() << " 2D " << made[i].c.CompositeText() << " at "
                    << made[i].segments << " segments decoded as [" << decoded[i].format << "] "
                    << decoded[i].text;
    }
  }
  std::cout << agreed << " of " << made.size() << " PNG files decoded to their element string ("
            << unparsed << " of them given unparsed; " << notTyped
            << " strings skipped as not typable into the panel, " << tooLong
            << " as too long); by segments per row:";
  for (const auto& [segments, count] : bySegments)
    std::cout << " " << segments << ":" << count;
  std::cout << "\n";
}

}  // namespace
}  // namespace peers
