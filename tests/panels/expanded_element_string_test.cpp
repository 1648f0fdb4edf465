#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "panels/ai_table.h"
#include "panels/character_rules.h"
#include "panels/element_string.h"

namespace panels {
namespace {

TEST(AiTable, HoldsNinetyNineDistinctRowsFoundExactlyOrByPrefix) {
  ASSERT_EQ(AiTable.size(), 99u);
  for (size_t i = 0; i < AiTable.size(); ++i) {
    // Every row is the one found for its own AI (padded with zeros when it is a prefix).
    std::string ai(AiTable[i].ai);
    ai.resize(AiTable[i].aiDigits, '0');
    EXPECT_EQ(FindAiRow(ai), &AiTable[i]) << ai;
  }
  for (const char* refused : {"3170", "3380", "23", "310", "8007", "19", "4"}) {
    EXPECT_EQ(FindAiRow(refused), nullptr) << refused;
  }
  const std::tuple<std::string_view, std::string_view, bool, bool, int> cases[] = {
      // AI, row found, variable length, alphanumeric, AI + data
      {"00", "00", false, false, 20},   {"10", "10", true, true, 22},
      {"20", "20", false, false, 4},    {"239", "23", true, true, 22},
      {"30", "30", true, false, 10},    {"3375", "337", false, false, 10},
      {"37", "37", true, false, 10},    {"421", "421", true, true, 15},
      {"8003", "8003", true, true, 34}, {"8102", "8102", false, false, 6},
  };
  for (const auto& [ai, rowAi, variableLength, alphanumeric, maxLength] : cases) {
    const AiTableRow* row = FindAiRow(ai);
    ASSERT_NE(row, nullptr) << ai;
    EXPECT_EQ(std::tuple(row->ai, row->variableLength, row->alphanumeric, row->maxLength),
              std::tuple(rowAi, variableLength, alphanumeric, maxLength))
        << ai;
  }
}

TEST(CharacterRules, CodeAnd2DTexts) {
  EXPECT_TRUE(ValidCodeText("(10)A\\(B !\"%&'*+,-./:;<>=?_", CodeView::kMain));
  EXPECT_FALSE(ValidCodeText("(10)A\\(B", CodeView::kAiEntry));
  for (const char* bad : {"", "(10)A#B", "(10)A$", "(10)A\nB", "(10)\xC3\xA9", "A~"}) {
    EXPECT_FALSE(ValidCodeText(bad, CodeView::kMain)) << bad;
  }
  EXPECT_TRUE(Valid2DText(""));
  EXPECT_TRUE(Valid2DText("(17)991231#10LOT^$x"));
  for (const char* bad : {"()", "#^$", "A\\B", "A\tB", "\xEF\xBC\xA1"}) {
    EXPECT_FALSE(Valid2DText(bad)) << bad;
  }
}

TEST(ParseCodeText, BuildsEncoderTextAndLines) {
  struct Case {
    const char* code;
    const char* encoderText;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"(01)12345678901231(17)011231",
       "011234567890123117011231",
       {"(01)12345678901231", "(17)011231"}},
      // FNC1 only after a variable-length field that another follows.
      {"(30)100(10)ABC", "30100#10ABC", {"(30)100", "(10)ABC"}},
      {"(17)011231(10)A(21)B", "1701123110A#21B", {"(17)011231", "(10)A", "(21)B"}},
      {"(3103)000123(8004)X 1", "31030001238004X 1", {"(3103)000123", "(8004)X 1"}},
      // A fixed-length field whose length readers do not know in advance needs FNC1 too.
      {"(8005)123456(8102)12(410)1234567890128(10)A",
       "8005123456#810212#410123456789012810A",
       {"(8005)123456", "(8102)12", "(410)1234567890128", "(10)A"}},
      {"(10)A\\(B\\)", "10A(B)", {"(10)A(B)"}},
      // AIs that a parenthesis in the data before them, or a shared prefix, could pass for
      // repeats of an earlier one.
      {"(10)1\\)(21)X(240)Y(241)Z", "101)#21X#240Y#241Z", {"(10)1)", "(21)X", "(240)Y", "(241)Z"}},
      // The data stays as typed, a wrong check digit of (01) included: the GS1 data checks of the
      // form refuse it, never replace it.
      {"(01)12345678901239", "0112345678901239", {"(01)12345678901239"}},
      {"(230)A(01)12345678901239", "230A#0112345678901239", {"(230)A", "(01)12345678901239"}},
      {"(02)12345678901239", "0212345678901239", {"(02)12345678901239"}},
      {"", "", {}},
  };
  for (const Case& c : cases) {
    ParsedCode parsed;
    ASSERT_TRUE(ParseCodeText(c.code, parsed).ok) << c.code;
    EXPECT_EQ(parsed.EncoderText(), c.encoderText) << c.code;
    std::vector<std::string> lines(parsed.fieldStrings, parsed.fieldStrings + parsed.fieldCount);
    EXPECT_EQ(lines, c.lines) << c.code;
  }
}

TEST(ParseCodeText, RefusesMalformedCodesWithTheirMessages) {
  const std::pair<std::string, std::string> cases[] = {
      {"10ABC", "コードにAIが入力されていません。"},
      {"(10)A\\B", "コードに不正なデータがあります。"},
      {"(10)A\\", "コードに不正なデータがあります。"},
      {"(10)A)B", "コードに不正なデータがあります。"},
      {"()A", "コードに未入力のAIがあります。"},
      {"(10)A(", "コードに未入力のAIがあります。"},
      {"(1A)A", "コードのAI(1A)が不正です。"},
      {"(10A", "コードのAI(10A)が不正です。"},
      {"(19)A", "コードに不正なAIがあります。"},
      {"(01)1234567890123", "コードのAI(01)のデータが不正です。"},
      {"(17)01123A", "コードのAI(17)のデータが不正です。"},
      {"(10)(17)011231", "コードのAI(10)のデータが不正です。"},
      {"(10)" + std::string(21, 'A'), "コードのAI(10)のデータが不正です。"},
      {"(3103)00012", "コードのAI(3103)のデータが不正です。"},
      {"(8004)" + std::string(30, 'A'), "コードのAI(8004)のデータが不正です。"},
      {"(10)A(17)011231(10)B", "コードに重複したAI(10)があります。"},
      {"(10)\\)A(21)B(10)C", "コードに重複したAI(10)があります。"},
      {"(241)A(240)B(241)C", "コードに重複したAI(241)があります。"},
  };
  for (const auto& [code, message] : cases) {
    ParsedCode parsed;
    const ParseResult result = ParseCodeText(code, parsed);
    EXPECT_FALSE(result.ok) << code;
    EXPECT_EQ(result.message, message) << code;
    EXPECT_EQ(parsed.fieldCount, 0) << code;  // nothing half-parsed is left behind
    EXPECT_EQ(parsed.EncoderText(), "") << code;
  }
}

TEST(ParseCodeText, RefusesWhatDoesNotFitItsBuffers) {
  const std::string tooMuch = "データが多すぎます。AI識別子を含めて70文字以内で入力してください。";
  ParsedCode parsed;
  std::string code;  // 70 characters of encoder text, then one more
  for (int ai = 90; ai < 96; ++ai) {
    code += "(" + std::to_string(ai) + ")" + std::string(8, 'X');
  }
  code += "(96)AA";
  EXPECT_TRUE(ParseCodeText(code, parsed).ok);
  EXPECT_EQ(ParseCodeText(code + "A", parsed).message, tooMuch);
  // The longest line: a 4-digit AI and 29 characters of data.
  EXPECT_TRUE(ParseCodeText("(8004)" + std::string(29, 'A'), parsed).ok);
  EXPECT_EQ(parsed.FieldString(0), "(8004)" + std::string(29, 'A'));
  code.clear();  // sixteen groups: more than the fifteen lines
  for (const char* ai : {"90", "91", "92", "93", "94", "95", "96", "97", "98", "99", "10", "21",
                         "22", "240", "241", "400"}) {
    code += std::string("(") + ai + ")A";
  }
  EXPECT_EQ(ParseCodeText(code, parsed).message, tooMuch);
}

}  // namespace
}  // namespace panels
