// The separator builders given rows the encoders never make (widths of 0, of 255, or not adding
// up to a row's modules) stay within the row they read and the separator they write. The encoders'
// own rows always add up; these rows stand for a corrupted record or a future caller's mistake.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "core/separator.h"
#include "core/symbol_records.h"
#include "databar/limited_encoder.h"

namespace databar {
namespace {

std::vector<InnerWidths> MalformedRows() {
  std::vector<InnerWidths> rows;
  InnerWidths row;
  row.fill(0);
  rows.push_back(row);
  row.fill(255);
  rows.push_back(row);
  row.fill(1);  // 42 modules: short of the 46 each stacked row spans
  rows.push_back(row);
  std::mt19937 random(7);
  for (int i = 0; i < 200; ++i) {
    std::generate(row.begin(), row.end(), [&] { return static_cast<ElementWidth>(random() % 10); });
    rows.push_back(row);
  }
  return rows;
}

// Each builder reads a row and writes a separator of their own heap blocks, so that the
// sanitizer build stops at the first access outside either; the count it reports lies within the
// separator.
template <typename Build>
void ExpectBounded(Build build) {
  struct Separator {
    SeparatorRow row;
  };
  for (const InnerWidths& row : MalformedRows()) {
    const auto in = std::make_unique<InnerWidths>(row);
    const auto out = std::make_unique<Separator>();
    const int32_t count = build(*in, out->row);
    EXPECT_GE(count, 0);
    EXPECT_LE(count, kSeparatorCapacity);
  }
}

TEST(MalformedRows, StackedSeparatorReadsOnlyItsTwoRows) {
  ExpectBounded(
      [](const InnerWidths& row, SeparatorRow& out) { return BuildStackedSeparator(row, out); });
}

TEST(MalformedRows, LimitedSeparatorReadsOnlyItsRow) {
  ExpectBounded(
      [](const InnerWidths& row, SeparatorRow& out) { return BuildLimitedSeparator(row, out); });
}

TEST(MalformedRows, SeparatorOfAnyRowStaysInItsRow) {
  ExpectBounded([](const InnerWidths& row, SeparatorRow& out) {
    return BuildSeparator(row.data(), out, kInnerWidthCount, 1);
  });
  ExpectBounded([](const InnerWidths& row, SeparatorRow& out) {
    return BuildSeparator(row.data() + kInnerWidthCount / 2, out, kInnerWidthCount / 2, 0);
  });
}

}  // namespace
}  // namespace databar
