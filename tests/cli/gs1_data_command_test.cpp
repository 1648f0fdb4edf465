// GS1 data faults as a new user meets them in the command: each refused with its Japanese
// message after the option's name and its English line under it, exit status 2 and no file; a
// 2D text in parentheses drawn with the element strings it shows; required AIs as a warning.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/command_test.h"

namespace {

using Gs1DataCommandTest = CommandTest;

TEST_F(Gs1DataCommandTest, FaultyDataIsRefusedInBothLanguagesAndNothingIsWritten) {
  const std::string cc = "databar --type omnidirectional --code 2001234567890 --cc ";
  const struct {
    std::string arguments;
    std::string japanese;
    std::string english;
  } refusals[] = {
      {"expanded --code '(01)98898765432107(3202)012345'",
       "--code: AI(01)のチェックデジットが違います。正しいチェックデジットは「6」です。",
       "--code: The check digit of AI (01) is wrong: it should be 6."},
      {"expanded --code '(01)98898765432106(17)991332'",
       "--code: AI(17)の日付「991332」の月が01～12ではありません。",
       "--code: The month of the date 991332 in AI (17) is not 01 to 12."},
      {"expanded --code '(01)98898765432106(11)000000'",
       "--code: AI(11)の日付「000000」の月が01～12ではありません。",
       "--code: The month of the date 000000 in AI (11) is not 01 to 12."},
      {"gs1-128 --gtin 9889876543210 --expiry 990231",
       "--expiry: AI(17)の日付「990231」の日がその月にありません。",
       "--expiry: The day of the date 990231 in AI (17) does not exist in its month."},
      {cc + "'hello world'", "--cc: 「hello world」の部分がAIとデータの並びになっていません。",
       "--cc: \"hello world\" is not an application identifier (AI) followed by its data."},
      {cc + "'(7777)1'", "--cc: AI(7777)はGS1のアプリケーション識別子にありません。",
       "--cc: AI (7777) is not a GS1 application identifier."},
      {cc + "'(10)LOT 1001'", "--cc: AI(10)のデータに使えない文字「 」があります。",
       "--cc: The data of AI (10) holds the character \" \", which it cannot take."},
      {cc + "'(37)12'", "--cc: AI(37)はAI(01)と同じシンボルに入れられません。",
       "--cc: AI (37) cannot appear together with AI (01)."},
  };
  for (const auto& refusal : refusals) {
    for (const bool dump : {false, true}) {
      const std::string file = Output("refused.svg");
      const CommandRun run = Barquill(refusal.arguments + (dump ? " --dump" : " -o " + file));
      EXPECT_EQ(run.status, 2) << refusal.arguments << run.err;
      const std::string prefix =
          "barquill " + refusal.arguments.substr(0, refusal.arguments.find(' ')) + ": ";
      EXPECT_EQ(run.err, prefix + refusal.japanese + "\n" + prefix + refusal.english + "\n")
          << refusal.arguments;
      EXPECT_EQ(run.out, "");
      EXPECT_FALSE(fs::exists(file)) << refusal.arguments;
    }
  }
}

TEST_F(Gs1DataCommandTest, TwoDTextInParenthesesHoldsTheElementStringsItShows) {
  // The symbol of the shown text is the symbol of its element strings with FNC1 after the lot.
  const std::string databar = "databar --type omnidirectional --code 2001234567890 --dump --cc ";
  const CommandRun shown = Barquill(databar + "'(10)LOT1001(17)991231'");
  const CommandRun typed = Barquill(databar + "'(10)LOT1001#(17)991231'");
  const CommandRun encoded = Barquill(databar + "'10LOT1001#17991231'");
  const CommandRun joined = Barquill(databar + "'10LOT100117991231'");
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.err, "");
  EXPECT_EQ(shown.out, typed.out);
  EXPECT_EQ(shown.out, encoded.out);
  EXPECT_NE(shown.out, joined.out);
}

TEST_F(Gs1DataCommandTest, UnmetRequirementsAreAWarningAndTheSymbolIsMade) {
  const std::string file = Output("lot.svg");
  const CommandRun run = Barquill("expanded --code '(10)LOT1' -o " + file);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(file));
  EXPECT_NE(run.err.find("barquill expanded: warning: AI(10)は"), std::string::npos) << run.err;
  EXPECT_NE(
      run.err.find("barquill expanded: warning: AI (10) is used together with one of AI (01)"),
      std::string::npos)
      << run.err;
  // Beside the linear (01) nothing is missing.
  EXPECT_EQ(
      Barquill("databar --type omnidirectional --code 2001234567890 --cc '(10)LOT1' --dump").err,
      "");
}

}  // namespace
