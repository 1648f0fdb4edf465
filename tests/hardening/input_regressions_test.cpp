// What the fuzz targets found in the handling of typed text, each pinned to one case.
#include <gtest/gtest.h>

#include <string_view>

#include "panels/element_string.h"
#include "panels/messages.h"

namespace panels {
namespace {

using namespace std::string_view_literals;

// The encoder text and the lines end at a NUL: the data after it and the FNC1 were lost, and
// the next group's data ran on from the first.
TEST(TypedText, ElementStringWithANulIsRefused) {
  ParsedCode parsed;
  const ParseResult result = ParseCodeText("(10)ABC\0DEF(21)X"sv, parsed);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, kMsgInvalidCodeData.japanese);
  EXPECT_EQ(parsed.fieldCount, 0);
}

}  // namespace
}  // namespace panels
