// The composite component as a reader sees it: the size chosen for the data, the row address
// patterns and clusters of each layout, the codeword prefixes of CC-B, error correction that
// checks, and failures that leave the row buffer alone.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "composite/composite_component.h"
#include "composite/size_tables.h"
#include "core/encode_error.h"
#include "tests/composite/component_reader.h"

namespace composite {
namespace {

using testing::ReadComponentRow;
using testing::ReadRow;

struct Component {
  int rowCount = 0;
  int error = 0;
  std::vector<ReadRow> rows;

  std::vector<int> Codewords() const {
    std::vector<int> all;
    for (const ReadRow& row : rows) {
      for (const auto& cw : row.codewords)
        all.push_back(cw.value);
    }
    return all;
  }
};

Component Build(int columns, const std::string& text) {
  databar::CompositeRowBuffer rows{};
  Component c;
  c.rowCount = EncodeComposite(columns, text.c_str(), rows);
  c.error = databar::EncodeError;
  for (int r = 0; r < c.rowCount; ++r)
    c.rows.push_back(ReadComponentRow(rows[r]));
  return c;
}

// Digits that need 1 + 7 * pairs bits (method bit and numeric pairs) and start no method.
std::string Digits(int pairs) {
  return std::string(2 * pairs, '2');
}

TEST(SizeChoice, TwoColumnsFromCcAToCcB) {
  // 1 + 20 pairs + latch + A B + two alphanumeric digits = 167 bits: the largest CC-A.
  const Component ccA = Build(2, Digits(20) + "AB12");
  EXPECT_EQ(ccA.rowCount, 12);
  EXPECT_NE(ccA.Codewords()[0], 920);
  // One bit more (A B C and one digit = 168 bits): a 17-row CC-B of 26 bytes, so 901.
  const Component ccB = Build(2, Digits(20) + "ABC1");
  ASSERT_EQ(ccB.rowCount, 17);
  EXPECT_EQ(ccB.Codewords()[0], 920);
  EXPECT_EQ(ccB.Codewords()[1], 901);
  // The largest 2-column CC-B carries 42 bytes, a multiple of 6: 924.
  const Component largest = Build(2, Digits(47));
  ASSERT_EQ(largest.rowCount, 26);
  EXPECT_EQ(largest.Codewords()[0], 920);
  EXPECT_EQ(largest.Codewords()[1], 924);
}

TEST(SizeChoice, TooLongForEveryColumnCount) {
  // 2 columns: 336 bits at most.
  EXPECT_EQ(Build(2, Digits(47)).rowCount, 26);
  EXPECT_EQ(Build(2, Digits(48)).error, databar::kDataTooLong);
  // 3 columns: 768 bits; 219 digits end with a 4-bit final digit in exactly 768 bits.
  EXPECT_EQ(Build(3, Digits(109) + "3").rowCount, 44);
  EXPECT_EQ(Build(3, Digits(110)).error, databar::kDataTooLong);
  // 4 columns: 1184 bits fill 44 rows; 1185 bits fail as too long, not as an internal fault.
  EXPECT_EQ(Build(4, Digits(169)).rowCount, 44);
  const Component over = Build(4, Digits(167) + "A1");
  EXPECT_EQ(over.rowCount, 0);
  EXPECT_EQ(over.error, databar::kDataTooLong);
  // Far more data than any buffer holds.
  EXPECT_EQ(Build(4, std::string(5000, 'x')).error, databar::kDataTooLong);
  EXPECT_EQ(Build(4, "90A" + std::string(4000, 'Z') + "#21X").error, databar::kDataTooLong);
}

// Builds one component of every size of every column count.
std::vector<std::pair<int, Component>> EverySize() {
  std::vector<std::pair<int, Component>> all;
  for (int columns = 2; columns <= 4; ++columns) {
    const CompositeSizeTable& table = *SizeTableFor(columns);
    for (int i = 0; i < table.count; ++i) {
      all.emplace_back(columns, Build(columns, Digits((table.sizes[i].bits - 1) / 7)));
      EXPECT_EQ(all.back().second.rowCount, table.sizes[i].rows) << columns << " " << i;
    }
  }
  return all;
}

TEST(Rows, AddressesClustersAndWidthsOfEachLayout) {
  // The smallest 4-column CC-A: left 40 41 42, centre 20 21 22, right 52 1 2, clusters 0 3 6;
  // 53 elements and 101 modules a row.
  const Component small = Build(4, "2");
  ASSERT_EQ(small.rowCount, 3);
  const int left[] = {40, 41, 42}, centre[] = {20, 21, 22}, right[] = {52, 1, 2};
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(small.rows[r].left, left[r]);
    EXPECT_EQ(small.rows[r].centre, centre[r]);
    EXPECT_EQ(small.rows[r].right, right[r]);
    for (const auto& cw : small.rows[r].codewords)
      EXPECT_EQ(cw.cluster, 3 * r);
    EXPECT_EQ(small.rows[r].elements, 53);
    EXPECT_EQ(small.rows[r].modules, 101);
  }
  // The smallest 3-column CC-A has no left pattern: row address 11 shows as centre 43 and right
  // 23; 39 elements and 74 modules.
  const Component limited = Build(3, "2");
  ASSERT_EQ(limited.rowCount, 4);
  EXPECT_EQ(limited.rows[0].elements, 39);
  EXPECT_EQ(limited.rows[0].modules, 74);
  EXPECT_EQ(limited.rows[0].centre, 43);
  EXPECT_EQ(limited.rows[0].right, 23);
  EXPECT_EQ(limited.rows[0].codewords[0].cluster, 3);
  EXPECT_EQ(Build(3, Digits(40)).rows[0].elements, 45);  // 3-column CC-B: 84 modules
  EXPECT_EQ(Build(3, Digits(40)).rows[0].modules, 84);
  // 20-row CC-B of 3 and 4 columns: rows 1 to 20 have left addresses 1 to 20 and centre
  // addresses 17 to 36.
  for (int columns : {3, 4}) {
    const int pairs = columns == 3 ? 40 : 60;  // 281 and 421 bits
    const Component c = Build(columns, Digits(pairs));
    ASSERT_EQ(c.rowCount, 20) << columns;
    for (int r = 0; r < 20; ++r) {
      EXPECT_EQ(c.rows[r].left, r + 1);
      EXPECT_EQ(c.rows[r].centre, r + 17);
      EXPECT_EQ(c.rows[r].right, r + 33);
    }
  }
  // A 2-column CC-B with offset 0 repeats the left pattern on the right; 31 elements, 57
  // modules.
  const Component same = Build(2, Digits(29));
  ASSERT_EQ(same.rowCount, 17);
  for (const ReadRow& row : same.rows) {
    EXPECT_EQ(row.right, row.left);
    EXPECT_EQ(row.elements, 31);
    EXPECT_EQ(row.modules, 57);
  }
}

int Power(int base, int exponent) {
  int result = 1;
  for (int i = 0; i < exponent; ++i)
    result = result * base % 929;
  return result;
}

TEST(ErrorCorrection, EveryComponentIsAMultipleOfItsGenerator) {
  for (const auto& [columns, component] : EverySize()) {
    const std::vector<int> codewords = component.Codewords();
    const CompositeSizeTable& table = *SizeTableFor(columns);
    int ecCount = 0;
    for (int i = 0; i < table.count; ++i) {
      if (table.sizes[i].rows == component.rowCount)
        ecCount = table.sizes[i].ecCodewords;
    }
    ASSERT_GT(ecCount, 0);
    // The codewords, highest power first, vanish at 3, 3^2, ..., 3^ecCount.
    for (int i = 1; i <= ecCount; ++i) {
      const int x = Power(3, i);
      int value = 0;
      for (int cw : codewords)
        value = (value * x + cw) % 929;
      EXPECT_EQ(value, 0) << columns << " columns, " << component.rowCount << " rows, root " << i;
    }
  }
}

TEST(Failures, LeaveTheRowBufferUntouched) {
  struct Case {
    int columns;
    const char* text;
    int error;
  } cases[] = {
      {4, "10AB$", databar::kInvalidData},
      {4, nullptr, databar::kInvalidData},
      {2,
       "2222222222222222222222222222222222222222222222222222222222222222222222222222222222222"
       "2222222222222",
       databar::kDataTooLong},
      {5, "10AB", databar::kInternalOverflow},
      {1, "10AB", databar::kInternalOverflow},
  };
  for (const Case& c : cases) {
    databar::CompositeRowBuffer rows;
    std::memset(rows, 0xAB, sizeof rows);
    EXPECT_EQ(EncodeComposite(c.columns, c.text, rows), 0);
    EXPECT_EQ(databar::EncodeError, c.error) << c.columns << " " << (c.text ? c.text : "null");
    for (const auto& row : rows) {
      for (auto width : row)
        ASSERT_EQ(width, 0xAB);
    }
  }
  // A success clears an error left by an earlier call.
  EXPECT_GT(Build(4, "10AB").rowCount, 0);
  EXPECT_EQ(databar::EncodeError, 0);
}

TEST(CallerText, IsNeverRewritten) {
  // The date and AI 90 methods rewrite the text they encode; the caller's copy stays as it was.
  for (const std::string text : {"17991231", "90Q12#21X", "1799123110#21X"}) {
    const std::string before = text;
    databar::CompositeRowBuffer rows;
    EXPECT_GT(EncodeComposite(4, text.c_str(), rows), 0);
    EXPECT_EQ(text, before);
  }
}

TEST(Concurrency, ComponentsBuiltInParallelMatchThoseBuiltAlone) {
  const std::vector<std::pair<int, std::string>> inputs = {
      {2, "1799123110LOT42"}, {3, "90123Q4567#21ab"}, {4, Digits(100) + "xyz"}, {4, "10AB$"}};
  std::vector<Component> alone;
  for (const auto& [columns, text] : inputs)
    alone.push_back(Build(columns, text));
  std::vector<std::thread> threads;
  std::vector<bool> same(inputs.size(), true);
  for (size_t t = 0; t < inputs.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 200; ++i) {
        const Component c = Build(inputs[t].first, inputs[t].second);
        if (c.error != alone[t].error || c.Codewords() != alone[t].Codewords())
          same[t] = false;
      }
    });
  }
  for (auto& thread : threads)
    thread.join();
  for (size_t t = 0; t < inputs.size(); ++t)
    EXPECT_TRUE(same[t]) << inputs[t].second;
}

}  // namespace
}  // namespace composite
