#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "databar/item_number.h"
#include "panels/ai_entry.h"
#include "panels/ai_table.h"
#include "panels/element_string.h"

namespace panels {
namespace {

constexpr int kItem = 0, kExpiry = 1, kQuantity = 2, kLot = 3, kFree = 4;

// Rows with an order only at `row`.
AiEntryRows OnlyRow(int row, std::string data, std::string ai = {}) {
  AiEntryRows rows;
  rows[row] = {1, std::move(ai), std::move(data)};
  return rows;
}

TEST(AiEntry, DistributesGroupsAndJoinsThemBackInOrder) {
  const AiEntryRows cleared = OpenAiEntry("").rows;
  EXPECT_EQ(cleared[kItem].order, 1);
  EXPECT_EQ(cleared[kExpiry].order, 2);
  EXPECT_EQ(cleared[kQuantity].order, 0);
  EXPECT_EQ(cleared[kLot].order, 4);

  const std::string code = "(01)12345678901231(17)011231(30)5(10)LOT(21)S1(90)X(240)Y(250)Z";
  const AiEntryRows rows = OpenAiEntry(code).rows;
  EXPECT_EQ(rows[kItem].data, "1234567890123");
  EXPECT_EQ(rows[kQuantity].order, 3);
  EXPECT_EQ(rows[kFree + 2].ai, "240");
  EXPECT_EQ(rows[kFree + 2].order, 7);
  EXPECT_EQ(AcceptAiEntry(rows).code, code);

  // Groups in any order, fixed rows left without one, escaped parentheses, a wrong check digit.
  const AiEntryRows mixed = OpenAiEntry("(21)S(90)A\\(B\\)(10)L(01)12345678901239").rows;
  EXPECT_EQ(mixed[kFree].order, 1);
  EXPECT_EQ(mixed[kFree + 1].data, "A(B)");
  EXPECT_EQ(mixed[kExpiry].order, 0);
  EXPECT_EQ(AcceptAiEntry(mixed).code, "(21)S(90)A\\(B\\)(10)L(01)12345678901231");
}

TEST(AiEntry, OpeningRefusesCodesThatDoNotFitTheRows) {
  const std::string fixed = "(01)12345678901231(17)011231(30)5(10)A";
  EXPECT_TRUE(OpenAiEntry(fixed + "(21)A(90)A(91)A(92)A").ok);
  // The ninth group is also the fifth free one: the count is checked first.
  EXPECT_EQ(OpenAiEntry(fixed + "(21)A(90)A(91)A(92)A(93)A").message,
            "AIが多すぎるため入力画面が開けません。\nAIを8個以内で入力してください。");
  EXPECT_EQ(OpenAiEntry("(21)A(90)A(91)A(92)A(93)A").message,
            "AIが多すぎるため入力画面が開けません。\n(01)(17)(30)(10)以外のAIは4個以内で入力"
            "してください。");
  EXPECT_EQ(OpenAiEntry("(10)A(10)B").message, "コードに重複したAI(10)があります。");
}

TEST(AiEntry, AcceptingChecksEachOrderedRow) {
  const std::string item = "【商品コード】は数字13桁で入力してください。";
  const std::string quantity = "【数量】は数字1～8桁でゼロ以外の値を入力してください。";
  struct Case {
    AiEntryRows rows;
    std::string message;
    int row;
    AiEntryControl focus;
  };
  const Case cases[] = {
      {OnlyRow(kItem, "123456789012"), item, kItem, AiEntryControl::kData},
      {OnlyRow(kItem, ""), item, kItem, AiEntryControl::kData},
      {OnlyRow(kExpiry, "12345"), "【有効(使用)期限】は数字6桁で入力してください。", kExpiry,
       AiEntryControl::kData},
      {OnlyRow(kQuantity, "0000"), quantity, kQuantity, AiEntryControl::kData},
      {OnlyRow(kQuantity, "123456789"), quantity, kQuantity, AiEntryControl::kData},
      {OnlyRow(kQuantity, "12A"), quantity, kQuantity, AiEntryControl::kData},
      // Empty (17) and (30) pass their digit rule and fail as data.
      {OnlyRow(kExpiry, ""), "AI(17)に不正なデータがあります。", kExpiry, AiEntryControl::kData},
      {OnlyRow(kQuantity, ""), "AI(30)に不正なデータがあります。", kQuantity,
       AiEntryControl::kData},
      {OnlyRow(kFree, ""), "不正なデータがあります。", kFree, AiEntryControl::kData},
      {OnlyRow(kFree, "A\\(B", "90"), "AI(90)に不正なデータがあります。", kFree,
       AiEntryControl::kData},
      {OnlyRow(kFree, "A"), "コードに未入力のAIがあります。", kFree, AiEntryControl::kAi},
      {OnlyRow(kFree + 3, "A", "19"), "コードに不正なAIがあります。", kFree + 3,
       AiEntryControl::kAi},
      {OnlyRow(kLot, std::string(21, 'A')), "コードのAI(10)のデータが不正です。", kLot,
       AiEntryControl::kData},
      {OnlyRow(kFree, std::string(30, '1'), "8004"), "コードのAI(8004)のデータが不正です。", kFree,
       AiEntryControl::kData},
  };
  for (const Case& c : cases) {
    const AcceptAiEntryResult result = AcceptAiEntry(c.rows);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.row, c.row) << c.message;
    EXPECT_EQ(result.focus, c.focus) << c.message;
  }
  EXPECT_EQ(AcceptAiEntry(OnlyRow(kQuantity, "00000001")).code, "(30)00000001");
  AiEntryRows unordered;  // rows without an order are not checked
  unordered[kItem].data = "12";
  unordered[kFree] = {0, "19", "bad"};
  unordered[kLot] = {3, "", "L"};
  EXPECT_EQ(AcceptAiEntry(unordered).code, "(10)L");
}

TEST(AiEntry, AcceptingRefusesSharedOrdersAndTooLongCodes) {
  AiEntryRows rows = ClearedAiEntryRows();
  rows[kItem].data = "1234567890123";
  rows[kExpiry] = {1, "", "011231"};
  AcceptAiEntryResult result = AcceptAiEntry(rows);
  EXPECT_EQ(result.message, "順番が重複しています。");
  EXPECT_EQ(result.row, kExpiry);
  EXPECT_EQ(result.focus, AiEntryControl::kOrder);

  rows = {};
  for (int r = kFree; r < kAiEntryRowCount; ++r) {
    rows[r] = {r - kFree + 1, std::to_string(90 + r), std::string(13, 'A')};
  }
  EXPECT_EQ(AcceptAiEntry(rows).code.size(), 68u);
  rows[kFree].data += "()";  // escaped: four characters more
  result = AcceptAiEntry(rows);
  EXPECT_EQ(result.message, "データが多すぎます。AI識別子を含めて70文字以内で入力してください。");
  EXPECT_EQ(result.focus, AiEntryControl::kNone);
}

TEST(AiEntry, RandomCodesSurviveTheViewUnchanged) {
  uint32_t seed = 2024;
  auto next = [&seed](uint32_t bound) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % bound;
  };
  // A random AI of the table with data of its row's length and characters.
  auto randomGroup = [&next]() {
    const AiTableRow& row = AiTable[next(AiTable.size())];
    std::string group = "(" + std::string(row.ai);
    for (int digit = row.ai.size(); digit < row.aiDigits; ++digit) {
      group += static_cast<char>('0' + next(10));
    }
    group += ")";
    if (row.ai == "01") {  // the entry view shows the check digit of the 13 digits it holds
      std::string digits;
      for (int i = 0; i < 13; ++i) {
        digits += static_cast<char>('0' + next(10));
      }
      return group + ")" + digits +
             static_cast<char>('0' + databar::ComputeCheckDigit(digits.c_str()));
    }
    const int maxData =
        std::min(row.maxLength - row.aiDigits, kFieldStringLength - 2 - row.aiDigits);
    const std::string_view characters = row.alphanumeric ? "0123456789AZ()" : "0123456789";
    for (int length = row.variableLength ? 1 + next(maxData) : maxData; length > 0; --length) {
      const char c = characters[next(characters.size())];
      group += c == '(' || c == ')' ? std::string("\\") + c : std::string(1, c);
    }
    return group;
  };
  int roundTrips = 0;
  for (int n = 0; n < 3000; ++n) {
    std::string code;
    for (uint32_t groups = 1 + next(6); groups > 0; --groups) {
      code += randomGroup();
    }
    ParsedCode original;
    const OpenAiEntryResult opened = OpenAiEntry(code);
    if (!ParseCodeText(code, original).ok || !opened.ok) {
      continue;  // too long, a repeated AI, or more than four free AIs
    }
    const AcceptAiEntryResult accepted = AcceptAiEntry(opened.rows);
    if (!accepted.ok) {
      continue;  // a quantity of 0, or data the GS1 data checks refuse
    }
    ParsedCode again;
    ASSERT_TRUE(ParseCodeText(accepted.code, again).ok) << accepted.code;
    EXPECT_EQ(again.EncoderText(), original.EncoderText()) << code;
    ++roundTrips;
  }
  EXPECT_GT(roundTrips, 1000);
}

}  // namespace
}  // namespace panels
