// The barquill expanded command as a user runs it: the stacked shape of --dump, the panel's
// messages on standard error with the option's name and exit status 2, no file after a refusal
// (data beyond the symbol's 252 bits included), and the files it writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/messages.h"
#include "tests/cli/command_test.h"

namespace {

using ExpandedCommandTest = CommandTest;

constexpr char kCode[] = "--code '(01)98898765432106(3202)012345'";

TEST_F(ExpandedCommandTest, DumpStacksTheSymbolBySegmentsPerRow) {
  // 8 symbol characters: one row of 200 modules, or rows of 4 segments with 3 separators
  // between each two.
  const struct {
    const char* segments;
    size_t rows;
    size_t width;
  } shapes[] = {{"", 1, 200},
                {"--segments 22", 1, 200},
                {"--segments 8", 1, 200},
                {"--segments 6", 5, 151},
                {"--segments 4", 5, 102},
                {"--segments 2", 13, 53}};
  for (const auto& shape : shapes) {
    const CommandRun run =
        Barquill(std::string("expanded ") + kCode + " " + shape.segments + " --dump");
    EXPECT_EQ(run.status, 0) << shape.segments << run.err;
    const std::vector<std::string> rows = Lines(run.out);
    ASSERT_EQ(rows.size(), shape.rows) << shape.segments;
    for (const std::string& row : rows) {
      EXPECT_EQ(row.size(), shape.width) << shape.segments;
      EXPECT_EQ(row.find_first_not_of("01"), std::string::npos) << shape.segments;
    }
  }
  // With 2D data: 3 rows of the component and its separator above the rows.
  const CommandRun run =
      Barquill(std::string("expanded ") + kCode + " --segments 4 --cc '(17)991231' --dump");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(run.out).size(), 5u + 1 + 3);
}

TEST_F(ExpandedCommandTest, RefusalsNameTheOptionExitWith2AndWriteNothing) {
  const std::string tooLong = "'(90)" + std::string(29, 'a') + "(91)" + std::string(29, 'b') + "'";
  const struct {
    std::string arguments;
    std::string expected;
  } refusals[] = {
      {"", "--code: is required"},
      {"--code ''", std::string("--code: ") + panels::kMsgCodeCharacters.japanese},
      {"--code '(01)1234567890123'", "--code: コードのAI(01)のデータが不正です。"},
      {"--code '(90)" + std::string(67, '1') + "'", "--code: at most 70 characters"},
      {"--code " + tooLong, std::string("--code: ") + panels::kMsgCodeTooLong.japanese},
      {std::string(kCode) + " --cc '(17)991231' --segments 2",
       std::string("--segments: ") + panels::kMsgCompositeNeedsFourSegments.japanese},
      {std::string(kCode) + " --segments 5", "--segments: expected one of 2, 4, 6, ..., 22"},
      {std::string(kCode) + " --segments 24", "--segments: expected one of"},
      {std::string(kCode) + " --height 20in",
       std::string("--height: ") + panels::kMsgHeightFrom1.japanese},
      {std::string(kCode) + " --height 0.5",
       std::string("--height: ") + panels::kMsgHeightFrom1.japanese},
      {std::string(kCode) + " --module-width 10", "--module-width: 【モジュール幅】"},
      {std::string(kCode) + " --bar-width-reduction 0.4", "--bar-width-reduction: 【バー幅補正】"},
      {std::string(kCode) + " --stacked-separator-height 12345678",
       "--stacked-separator-height: at most 7 characters"},
      {std::string(kCode) + " --text ocr-b", "--text: expected frame or none"},
      {std::string(kCode) + " --second-row-height 1", "unknown option --second-row-height"},
  };
  for (const auto& refusal : refusals) {
    const std::string output = Output("refused.svg");
    const CommandRun run = Barquill("expanded " + refusal.arguments + " -o " + output);
    EXPECT_EQ(run.status, 2) << refusal.arguments;
    EXPECT_NE(run.err.find("barquill expanded: " + refusal.expected), std::string::npos)
        << refusal.arguments << "\n"
        << run.err;
    EXPECT_TRUE(HasBothLanguages(run.err)) << refusal.arguments << "\n" << run.err;
    EXPECT_EQ(run.out, "") << refusal.arguments;
    EXPECT_FALSE(fs::exists(output)) << refusal.arguments;
  }
  EXPECT_EQ(Barquill(std::string("expanded ") + kCode).status, 2);  // neither -o nor --dump
  EXPECT_EQ(Barquill(std::string("expanded ") + kCode + " -o " + Output("x.bmp")).status, 2);
}

TEST_F(ExpandedCommandTest, WritesTheDocument) {
  for (const char* name : {"symbol.svg", "symbol.png"}) {
    const CommandRun run =
        Barquill(std::string("expanded ") + kCode +
                 " --segments 4 --cc '(17)991231$(10)LOT1' --cc-text -o " + Output(name));
    EXPECT_EQ(run.status, 0) << name << run.err;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_GT(fs::file_size(Output(name)), 100u) << name;
  }
  const CommandRun help = Barquill("expanded --help");
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--code", "--segments", "--cc", "--module-width", "--height",
                             "--separator-height", "--cc-row-height", "--stacked-separator-height",
                             "--text", "--cc-text", "--dpi", "--dump", "--output"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
}

}  // namespace
