// The messages: every fault kind has its Japanese and English texts, and the blanks are filled
// with what the user needs to mend the data.
#include "gs1/fault_messages.h"

#include <gtest/gtest.h>

#include <string>

#include "gs1/element_checker.h"

namespace {

using gs1::FaultKind;

gs1::UserMessage MessageOf(std::string_view bracketed) {
  gs1::ElementStrings elements;
  gs1::Verdict verdict = gs1::ReadBracketedForm(bracketed, elements);
  if (verdict.ok()) {
    verdict = gs1::CheckElementStrings(elements.View());
  }
  EXPECT_FALSE(verdict.ok()) << bracketed;
  return gs1::DescribeFault(verdict);
}

TEST(FaultMessages, EveryKindHasBothTexts) {
  for (int kind = 1; kind < gs1::kFaultKindCount; ++kind) {
    const gs1::MessageTexts texts = gs1::FaultMessageTexts(static_cast<FaultKind>(kind));
    EXPECT_FALSE(texts.japanese.empty()) << kind;
    EXPECT_FALSE(texts.english.empty()) << kind;
    // Both name the same blanks, so neither loses what the other tells.
    for (const char* blank : {"{ai}", "{other}", "{found}", "{expected}", "{length}"}) {
      EXPECT_EQ(texts.japanese.find(blank) == std::string_view::npos,
                texts.english.find(blank) == std::string_view::npos)
          << kind << " " << blank;
    }
    // The Japanese text is a sentence of the panels' style, ending with 。
    EXPECT_TRUE(texts.japanese.ends_with("。")) << kind;
  }
  EXPECT_FALSE(gs1::UnmetRequirementTexts().japanese.empty());
  EXPECT_FALSE(gs1::UnmetRequirementTexts().english.empty());
}

TEST(FaultMessages, NameTheAiAndWhatIsWrong) {
  const gs1::UserMessage digit = MessageOf("(01)98898765432107");
  EXPECT_EQ(digit.japanese,
            "AI(01)のチェックデジットが違います。正しいチェックデジットは「6」です。");
  EXPECT_EQ(digit.english, "The check digit of AI (01) is wrong: it should be 6.");
  EXPECT_EQ(MessageOf("(17)991332").japanese, "AI(17)の日付「991332」の月が01～12ではありません。");
  EXPECT_EQ(MessageOf("(01)123").english,
            "The data of AI (01) is too short: it takes 14 characters.");
  EXPECT_EQ(MessageOf("(10)123456789012345678901").japanese,
            "AI(10)のデータが長すぎます。1～20文字で入力してください。");
  EXPECT_EQ(MessageOf("(01)12345678901231(37)1").english,
            "AI (37) cannot appear together with AI (01).");
  EXPECT_EQ(MessageOf("(8013)1987654Ad4X4bL5ttr2310c22").english,
            "The check character pair at the end of AI (8013) is wrong: it should be 2K.");
}

TEST(FaultMessages, LongOffendingTextIsCutAtACharacter) {
  gs1::Verdict verdict;
  verdict.fault = FaultKind::kMalformed;
  // 20 bytes end inside the sixth Japanese character (3 bytes each): it is left out whole.
  verdict.found = "abc日本語の文字がとても長く続くテキスト";
  const std::string text = gs1::DescribeFault(verdict).japanese;
  EXPECT_NE(text.find("「abc日本語の文...」"), std::string::npos) << text;
}

TEST(FaultMessages, RequirementsListTheAlternatives) {
  const gs1::UserMessage several = gs1::DescribeUnmetRequirement({0, "250", "01+21,03+21,8006+21"});
  EXPECT_EQ(several.japanese,
            "AI(250)はAI(01)+(21)、(03)+(21)、(8006)+(21)のいずれかと組み合わせて使います。商品の"
            "他のバーコードにもない場合は追加してください。");
  EXPECT_EQ(several.english,
            "AI (250) is used together with one of AI (01)+(21), (03)+(21) or (8006)+(21); unless "
            "another barcode on the item carries it, add it.");
  const gs1::UserMessage one = gs1::DescribeUnmetRequirement({0, "8007", "415"});
  EXPECT_EQ(one.english,
            "AI (8007) is used together with AI (415); unless another barcode on the item carries "
            "it, add it.");
}

}  // namespace
