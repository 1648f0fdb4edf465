// Splitting texts into element strings: the internal form by the AIs' lengths and FNC1, the
// bracketed form by its parentheses.
#include "gs1/element_string.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gs1::FaultKind;

std::vector<std::string> Split(gs1::Verdict (*read)(std::string_view, gs1::ElementStrings&),
                               std::string_view text, gs1::Verdict* verdict = nullptr) {
  gs1::ElementStrings elements;
  const gs1::Verdict result = read(text, elements);
  if (verdict != nullptr) {
    *verdict = result;
  }
  std::vector<std::string> parts;
  for (const gs1::ElementString& element : elements.View()) {
    parts.push_back(std::string(element.ai) + "|" + std::string(element.data));
  }
  return parts;
}

using Parts = std::vector<std::string>;

TEST(InternalForm, PredefinedLengthsNeedNoSeparator) {
  EXPECT_EQ(Split(gs1::ReadInternalForm, "011234567890123117011231"),
            (Parts{"01|12345678901231", "17|011231"}));
  EXPECT_EQ(Split(gs1::ReadInternalForm, "3103000123"), (Parts{"3103|000123"}));
  EXPECT_EQ(Split(gs1::ReadInternalForm, "1799123110LOT1001"), (Parts{"17|991231", "10|LOT1001"}));
}

TEST(InternalForm, VariableAndUndeclaredLengthsEndAtFnc1) {
  EXPECT_EQ(Split(gs1::ReadInternalForm, "30100#10ABC"), (Parts{"30|100", "10|ABC"}));
  // 8005 has six digits, but a reader only knows that from the AI table: FNC1 ends it.
  EXPECT_EQ(Split(gs1::ReadInternalForm, "8005123456#10A"), (Parts{"8005|123456", "10|A"}));
  EXPECT_EQ(Split(gs1::ReadInternalForm, "10LOT^21SN"), (Parts{"10|LOT", "21|SN"}));
  // Without the FNC1 the rest belongs to the lot.
  EXPECT_EQ(Split(gs1::ReadInternalForm, "10LOT17991231"), (Parts{"10|LOT17991231"}));
}

TEST(InternalForm, SuperfluousFnc1IsSkippedOnceAndADoubleOneRefused) {
  EXPECT_EQ(Split(gs1::ReadInternalForm, "17991231#10LOT#"), (Parts{"17|991231", "10|LOT"}));
  gs1::Verdict verdict;
  EXPECT_EQ(Split(gs1::ReadInternalForm, "10LOT##17991231", &verdict), (Parts{"10|LOT"}));
  EXPECT_EQ(verdict.fault, FaultKind::kMalformed);
  EXPECT_EQ(verdict.index, 1);
  EXPECT_EQ(verdict.found, "#17991231");
}

TEST(InternalForm, ShortPredefinedDataStopsAtTheSeparator) {
  // Left for the checker to call too short, rather than swallowing the next AI.
  EXPECT_EQ(Split(gs1::ReadInternalForm, "179912#10LOT"), (Parts{"17|9912", "10|LOT"}));
  EXPECT_EQ(Split(gs1::ReadInternalForm, "0112345"), (Parts{"01|12345"}));
}

TEST(InternalForm, TextsThatAreNoElementStrings) {
  gs1::Verdict verdict;
  Split(gs1::ReadInternalForm, "hello world", &verdict);
  EXPECT_EQ(verdict.fault, FaultKind::kMalformed);
  EXPECT_EQ(verdict.index, 0);
  Split(gs1::ReadInternalForm, "0412345", &verdict);  // no AI begins with 04
  EXPECT_EQ(verdict.fault, FaultKind::kUnknownAi);
  EXPECT_EQ(verdict.ai, "04");
  Split(gs1::ReadInternalForm, "011234567890123131", &verdict);  // the 31nn AI is cut short
  EXPECT_EQ(verdict.fault, FaultKind::kMalformed);
  EXPECT_EQ(verdict.index, 1);
  EXPECT_EQ(verdict.found, "31");
  Split(gs1::ReadInternalForm, "7", &verdict);
  EXPECT_EQ(verdict.fault, FaultKind::kMalformed);
  EXPECT_TRUE(Split(gs1::ReadInternalForm, "", &verdict).empty());
  EXPECT_TRUE(verdict.ok());
}

TEST(InternalForm, AppendsAfterWhatTheListHolds) {
  // A composite: the linear (01) first, then the 2D text; indexes count across both.
  gs1::ElementStrings elements;
  ASSERT_TRUE(elements.Add({"01", "12345678901231"}));
  const gs1::Verdict verdict = gs1::ReadInternalForm("17991231#x", elements);
  EXPECT_EQ(elements.size(), 2u);
  EXPECT_EQ(verdict.fault, FaultKind::kMalformed);
  EXPECT_EQ(verdict.index, 2);
}

TEST(BracketedForm, GroupsOfAiAndData) {
  EXPECT_EQ(Split(gs1::ReadBracketedForm, "(01)12345678901231(17)011231(10)A B"),
            (Parts{"01|12345678901231", "17|011231", "10|A B"}));
  EXPECT_EQ(Split(gs1::ReadBracketedForm, "(01)(10)"), (Parts{"01|", "10|"}));
  EXPECT_EQ(Split(gs1::ReadBracketedForm, "()x(1O)y"), (Parts{"|x", "1O|y"}));  // AIs judged later
  EXPECT_TRUE(Split(gs1::ReadBracketedForm, "").empty());
}

TEST(BracketedForm, ParenthesesOutOfPlace) {
  for (const char* text : {"01123", "(01", "(0(1)2", "(10)AB)C", "(10)A(", "x(10)A"}) {
    gs1::Verdict verdict;
    Split(gs1::ReadBracketedForm, text, &verdict);
    EXPECT_EQ(verdict.fault, FaultKind::kMalformed) << text;
  }
  gs1::Verdict verdict;
  Split(gs1::ReadBracketedForm, "(10)A(21)B)", &verdict);
  EXPECT_EQ(verdict.index, 1);
  EXPECT_EQ(verdict.found, ")");
}

TEST(ElementStrings, RefusesMoreThanItHolds) {
  std::string text;
  for (int i = 0; i <= gs1::kMaxElementStrings; ++i) {
    text += "(20)01";
  }
  gs1::ElementStrings elements;
  const gs1::Verdict verdict = gs1::ReadBracketedForm(text, elements);
  EXPECT_EQ(verdict.fault, FaultKind::kTooManyElementStrings);
  EXPECT_EQ(elements.size(), static_cast<size_t>(gs1::kMaxElementStrings));
}

}  // namespace
