// The GS1 data checks as each panel's form applies them: after the panel's own rules, with the
// message naming the AI and the focus on the field (or AI entry row) that holds the fault; the
// linear part's (01) judged with the 2D text; the Expanded panel's AI table deciding where it
// accepts an AI the checks do not know; unmet requirements only as warnings.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "panels/ai_entry.h"
#include "panels/databar_form.h"
#include "panels/expanded_form.h"
#include "panels/medical128_form.h"
#include "panels/messages.h"

namespace panels {
namespace {

std::optional<ExpandedFailure> ValidateExpanded(const std::string& code,
                                                const std::string& composite = "") {
  ExpandedForm form;
  form.code = code;
  form.compositeText = composite;
  ExpandedRequest accepted;
  return form.Validate(accepted);
}

std::optional<DataBarFailure> ValidateDataBar(const std::string& composite) {
  DataBarForm form;
  form.itemNumber = "2001234567890";  // (01)20012345678909
  form.compositeText = composite;
  DataBarLengths accepted;
  return form.Validate(accepted);
}

TEST(Gs1DataChecks, ExpandedCodeFaultsAreRefusedWithTheirMessageOnTheCode) {
  const struct {
    const char* code;
    const char* japanese;
    const char* english;
  } refusals[] = {
      // The check digit is refused and named, never replaced.
      {"(01)98898765432107(3202)012345",
       "AI(01)のチェックデジットが違います。正しいチェックデジットは「6」です。",
       "The check digit of AI (01) is wrong: it should be 6."},
      {"(01)98898765432106(17)991332", "AI(17)の日付「991332」の月が01～12ではありません。",
       "The month of the date 991332 in AI (17) is not 01 to 12."},
      {"(01)98898765432106(11)000000", "AI(11)の日付「000000」の月が01～12ではありません。",
       "The month of the date 000000 in AI (11) is not 01 to 12."},
      {"(01)98898765432106(17)990230", "AI(17)の日付「990230」の日がその月にありません。",
       "The day of the date 990230 in AI (17) does not exist in its month."},
      {"(01)98898765432106(10)A B", "AI(10)のデータに使えない文字「 」があります。",
       "The data of AI (10) holds the character \" \", which it cannot take."},
      {"(01)98898765432106(37)5", "AI(37)はAI(01)と同じシンボルに入れられません。",
       "AI (37) cannot appear together with AI (01)."},
  };
  for (const auto& refusal : refusals) {
    const std::optional<ExpandedFailure> failure = ValidateExpanded(refusal.code);
    ASSERT_TRUE(failure) << refusal.code;
    EXPECT_EQ(failure->message, refusal.japanese) << refusal.code;
    EXPECT_EQ(failure->english, refusal.english) << refusal.code;
    EXPECT_EQ(failure->focus, ExpandedField::kCode) << refusal.code;
  }
  // The panel's own rules decide first, with their own messages.
  const std::optional<ExpandedFailure> parse = ValidateExpanded("(01)9889876543210");
  ASSERT_TRUE(parse);
  EXPECT_EQ(parse->message, WithAi(kMsgInvalidAiData, "01"));
  EXPECT_EQ(parse->english, "");
  EXPECT_EQ(ValidateExpanded("(17)991231(17)991231")->message, WithAi(kMsgDuplicateAi, "17"));
}

TEST(Gs1DataChecks, ExpandedAiTableDecidesWhereTheChecksKnowNoSuchAiOrLength) {
  // (43) and (230) are rows of the panel's table but no GS1 AI; (3106) matches the 310 row;
  // the table gives (22) 29 characters where the checks give 20, and (8102) 2 digits.
  for (const char* code : {"(01)98898765432106(43)ABC", "(230)A", "(01)98898765432106(3106)000123",
                           "(01)98898765432106(22)ABCDEFGHIJKLMNOPQRSTUVWXYZ123", "(8102)12"}) {
    EXPECT_FALSE(ValidateExpanded(code)) << code;
  }
  // The content of what both know is still checked.
  EXPECT_TRUE(ValidateExpanded("(230)A(17)991332"));
}

TEST(Gs1DataChecks, ExpandedTwoDTextIsJudgedWithTheCode) {
  EXPECT_FALSE(ValidateExpanded("(01)98898765432106", "(17)991231(10)LOT1"));
  const struct {
    const char* code;
    const char* composite;
    const char* japanese;
  } refusals[] = {
      {"(01)98898765432106", "(02)98898765432106",
       "AI(02)はAI(01)と同じシンボルに入れられません。"},
      {"(01)98898765432106", "(01)98898765432113",
       "AI(01)が2回あり、データが異なります。同じAIには同じデータを入力してください。"},
      {"(01)98898765432106", "(17)991300", "AI(17)の日付「991300」の月が01～12ではありません。"},
      {"(01)98898765432106", "LOT", "「LOT」の部分がAIとデータの並びになっていません。"},
  };
  for (const auto& refusal : refusals) {
    const std::optional<ExpandedFailure> failure =
        ValidateExpanded(refusal.code, refusal.composite);
    ASSERT_TRUE(failure) << refusal.composite;
    EXPECT_EQ(failure->message, refusal.japanese) << refusal.composite;
    EXPECT_EQ(failure->focus, ExpandedField::kCompositeText) << refusal.composite;
  }
}

TEST(Gs1DataChecks, TwoDTextIsASequenceOfElementStringsBesideTheItemNumber) {
  // Bracketed, with line breaks and field ends typed before a '(' or at the end; or in the
  // encoder's form.
  for (const char* text :
       {"(10)LOT1001(17)991231", "(10)LOT1001#(17)991231", "(17)991231$(10)A", "(10)A^(21)B",
        "(21)A#", "10LOT1001#17991231", "1799123110LOT", "(17)990200"}) {
    EXPECT_FALSE(ValidateDataBar(text)) << text;
  }
  const struct {
    const char* text;
    const char* japanese;
  } refusals[] = {
      {"hello world", "「hello world」の部分がAIとデータの並びになっていません。"},
      {"(10)LOT#1(17)991231", "「#1(17)991231」の部分がAIとデータの並びになっていません。"},
      {"17991231(10)LOT", "「17991231(10)LOT」の部分がAIとデータの並びになっていません。"},
      {"#(10)LOT", "「#(10)LOT」の部分がAIとデータの並びになっていません。"},
      {"(17)99123110LOT", "AI(17)のデータが長すぎます。6文字で入力してください。"},
      {"(7777)1", "AI(7777)はGS1のアプリケーション識別子にありません。"},
      {"(10)LOT 1001", "AI(10)のデータに使えない文字「 」があります。"},
      {"(37)5", "AI(37)はAI(01)と同じシンボルに入れられません。"},
      {"(01)20012345678916",
       "AI(01)が2回あり、データが異なります。同じAIには同じデータを入力してください。"},
  };
  for (const auto& refusal : refusals) {
    const std::optional<DataBarFailure> failure = ValidateDataBar(refusal.text);
    ASSERT_TRUE(failure) << refusal.text;
    EXPECT_EQ(failure->message, refusal.japanese) << refusal.text;
    EXPECT_FALSE(failure->english.empty()) << refusal.text;
    EXPECT_EQ(failure->focus, DataBarField::kCompositeText) << refusal.text;
  }
  // The same (01) as the linear part's is no conflict.
  EXPECT_FALSE(ValidateDataBar("(01)20012345678909(10)A"));
}

TEST(Gs1DataChecks, AiEntryRowFaultsFocusTheRowsDataField) {
  AiEntryRows rows = ClearedAiEntryRows();
  rows[0].data = "9889876543210";  // the view adds the check digit it shows
  rows[1].order = 0;
  rows[3].data = "LOT";
  EXPECT_TRUE(AcceptAiEntry(rows).ok);

  // (01) typed into a free row with a wrong check digit.
  AiEntryRows freeRow = rows;
  freeRow[0].order = 0;
  freeRow[5] = {1, "01", "98898765432107"};
  AcceptAiEntryResult result = AcceptAiEntry(freeRow);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message,
            "AI(01)のチェックデジットが違います。正しいチェックデジットは「6」です。");
  EXPECT_EQ(result.row, 5);
  EXPECT_EQ(result.focus, AiEntryControl::kData);

  // An impossible expiry in its fixed row, and an AI that (01) excludes in a later row.
  AiEntryRows expiry = rows;
  expiry[1] = {2, "", "991232"};
  result = AcceptAiEntry(expiry);
  EXPECT_EQ(result.message, "AI(17)の日付「991232」の日がその月にありません。");
  EXPECT_EQ(result.row, 1);
  AiEntryRows excluded = rows;
  excluded[4] = {5, "37", "5"};
  result = AcceptAiEntry(excluded);
  EXPECT_EQ(result.row, 4);
  EXPECT_EQ(result.focus, AiEntryControl::kData);
}

TEST(Gs1DataChecks, Gs1128ExpiryMustBeARealDateOrAWholeMonth) {
  for (const char* expiry : {"990231", "991301", "990001", "010229"}) {
    Medical128Form form;
    form.productCode = "9889876543210";
    form.expiry = expiry;
    Medical128Request request;
    const std::optional<Medical128Failure> failure = form.Validate(request);
    ASSERT_TRUE(failure) << expiry;
    EXPECT_EQ(failure->focus, Medical128Control::kExpiry) << expiry;
    EXPECT_NE(failure->english.find("AI (17)"), std::string::npos) << expiry;
    // Checked before the lengths: the height is not yet written back.
    EXPECT_EQ(form.height, "17.000");
  }
  for (const char* expiry : {"991200", "000229", "991231"}) {
    Medical128Form form;
    form.productCode = "9889876543210";
    form.expiry = expiry;
    Medical128Request request;
    EXPECT_FALSE(form.Validate(request)) << expiry;
  }
}

TEST(Gs1DataChecks, RequiredAisAreWarningsNotRefusals) {
  ExpandedForm form;
  form.code = "(10)LOT1";
  ExpandedRequest accepted;
  ASSERT_FALSE(form.Validate(accepted));
  ASSERT_EQ(form.Gs1Warnings().size(), 1u);
  EXPECT_NE(form.Gs1Warnings()[0].english.find("AI (10) is used together with one of AI (01)"),
            std::string::npos)
      << form.Gs1Warnings()[0].english;
  // Beside the linear part's (01) a 2D (10) lacks nothing.
  DataBarForm databar;
  databar.itemNumber = "2001234567890";
  databar.compositeText = "(10)LOT1";
  EXPECT_TRUE(databar.Gs1Warnings().empty());
}

}  // namespace
}  // namespace panels
