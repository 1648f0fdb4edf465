// The barquill databar command as a user runs it: its exit statuses, the panel's messages on
// standard error with the option's name, no file after a refusal, and the --dump rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/databar_messages.h"
#include "tests/cli/command_test.h"

namespace {

using DataBarCommandTest = CommandTest;

TEST_F(DataBarCommandTest, DumpPrintsOnlyTheModuleRows) {
  const struct {
    const char* type;
    size_t rows;
    size_t width;
  } shapes[] = {{"omnidirectional", 1, 96},
                {"truncated", 1, 96},
                {"stacked", 3, 50},
                {"stacked-omnidirectional", 5, 50},
                {"limited", 1, 74}};
  for (const auto& shape : shapes) {
    const CommandRun run =
        Barquill(std::string("databar --type ") + shape.type + " --code 1501234567890 --dump");
    EXPECT_EQ(run.status, 0) << shape.type;
    EXPECT_EQ(run.err, "") << shape.type;
    const std::vector<std::string> rows = Lines(run.out);
    ASSERT_EQ(rows.size(), shape.rows) << shape.type;
    for (const std::string& row : rows) {
      EXPECT_EQ(row.size(), shape.width) << shape.type;
      EXPECT_EQ(row.find_first_not_of("01"), std::string::npos) << shape.type;
    }
  }
  // The lower stacked row begins with a bar at the symbol's left edge.
  EXPECT_EQ(Lines(Barquill("databar --type stacked --code 2001234567890 --dump").out)[2][0], '1');
}

TEST_F(DataBarCommandTest, WritesTheDocumentInTheFormatOfTheExtension) {
  for (const char* name : {"a.svg", "b.PNG", "c.pdf", "d.eps"}) {
    const CommandRun run =
        Barquill("databar --type stacked --code 2001234567890 --dpi 150 -o " + Output(name));
    EXPECT_EQ(run.status, 0) << name << run.err;
    EXPECT_EQ(run.out, "") << name;
    ASSERT_TRUE(fs::exists(Output(name))) << name;
    EXPECT_GT(fs::file_size(Output(name)), 100u) << name;
  }
  std::ifstream png(Output("b.PNG"), std::ios::binary);
  char signature[4] = {};
  png.read(signature, 4);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST_F(DataBarCommandTest, RefusalsNameTheOptionExitWith2AndWriteNothing) {
  const struct {
    std::string arguments;
    std::string expected;  // on standard error
  } refusals[] = {
      {"--type omnidirectional --code 200123456789",
       std::string("--code: ") + panels::kItemNumberMessage},
      {"--type limited --code 2001234567890",
       std::string("--code: ") + panels::kLimitedItemNumberMessage},
      {"--type omnidirectional", std::string("--code: ") + panels::kItemNumberMessage},
      {"--type stacked --code 2001234567890 --module-width 10",
       std::string("--module-width: ") + panels::kModuleWidthMessage},
      {"--type stacked --code 2001234567890 --module-width 0.35300001",
       std::string("--module-width: ") + panels::kModuleWidthMessage},
      {"--type truncated --code 2001234567890 --height 0",
       std::string("--height: ") + panels::kHeightMessage},
      {"--type stacked --code 2001234567890 --separator-height x",
       std::string("--separator-height: ") + panels::kSeparatorHeightMessage},
      {"--type stacked --code 2001234567890 --cc-row-height 11",
       std::string("--cc-row-height: ") + panels::kCompositeRowHeightMessage},
      {"--type stacked --code 2001234567890 --stacked-separator-height 0.01",
       std::string("--stacked-separator-height: ") + panels::kStackedSeparatorHeightMessage},
      {"--type stacked-omnidirectional --code 2001234567890 --second-row-height 201",
       std::string("--second-row-height: ") + panels::kSecondRowHeightMessage},
      {"--type omnidirectional --code 2001234567890 --second-row-height 20",
       "--second-row-height: applies only to"},
      {"--type limited --code 1501234567890 --module-width 0.2 --bar-width-reduction 0.2",
       std::string("--bar-width-reduction: ") + panels::kBarWidthReductionMessage},
      {"--type diagonal --code 2001234567890", "--type: expected"},
      {"--code 2001234567890", "--type: is required"},
      {"--type stacked --code 2001234567890 --colour red", "unknown option --colour"},
      {"--type stacked --code 2001234567890 --height", "--height needs a value"},
      {"--type stacked --code 2001234567890 --height --dump", "--height needs a value"},
      {"--type stacked --code 2001234567890 --height 1 --height 2", "more than once"},
      {"--type stacked --code 2001234567890 --dpi 0", "--dpi: expected"},
      {"--type stacked --code 2001234567890 extra", "unexpected argument extra"},
      {"--type stacked --code 2001234567890 --cc '(10)A|B'",
       std::string("--cc: ") + panels::kCompositeTextMessage},
      {"--type stacked --code 2001234567890 --cc '()$'",
       std::string("--cc: ") + panels::kCompositeTextMessage},
      {"--type stacked --code 2001234567890 --cc " + std::string(101, '1'),
       "--cc: at most 100 characters"},
      {"--type stacked --code 2001234567890 --text bold", "--text: expected ocr-b, frame or none"},
      {"--type stacked --code 2001234567890 --text frame --fit-text",
       "--fit-text: applies only to --text ocr-b"},
      {"--type stacked --code 2001234567890 --fit-text --no-fit-text", "contradicts"},
  };
  for (const auto& refusal : refusals) {
    const std::string output = Output("refused.svg");
    const CommandRun run = Barquill("databar " + refusal.arguments + " -o " + output);
    EXPECT_EQ(run.status, 2) << refusal.arguments;
    EXPECT_NE(run.err.find(refusal.expected), std::string::npos) << refusal.arguments << "\n"
                                                                 << run.err;
    EXPECT_EQ(run.out, "") << refusal.arguments;
    EXPECT_FALSE(fs::exists(output)) << refusal.arguments;
  }
  EXPECT_EQ(Barquill("databar --type stacked --code 2001234567890 -o " + Output("x.bmp")).status,
            2);
  EXPECT_FALSE(fs::exists(Output("x.bmp")));
  EXPECT_EQ(Barquill("databar --type stacked --code 2001234567890").status, 2);
  EXPECT_EQ(Barquill("").status, 2);
  EXPECT_EQ(Barquill("gs1-64").status, 2);
}

TEST_F(DataBarCommandTest, DumpIncludesTheTwoDRowsAndTheirSeparator) {
  const struct {
    const char* type;
    size_t linearRows;
    size_t width;
  } shapes[] = {{"omnidirectional", 1, 101},
                {"stacked", 3, 57},
                {"stacked-omnidirectional", 5, 57},
                {"limited", 1, 74}};
  for (const auto& shape : shapes) {
    const CommandRun run = Barquill(std::string("databar --type ") + shape.type +
                                    " --code 1501234567890 --cc '(17)991231$(10)LOT12' --dump");
    EXPECT_EQ(run.status, 0) << shape.type << run.err;
    const std::vector<std::string> rows = Lines(run.out);
    ASSERT_GT(rows.size(), shape.linearRows + 3) << shape.type;
    for (const std::string& row : rows)
      EXPECT_EQ(row.size(), shape.width) << shape.type;
  }
}

TEST_F(DataBarCommandTest, TwoDDataThatDoesNotFitIsRefusedWithItsLimit) {
  const std::string tooLong = "--cc '(99)" + std::string(90, 'z') + "'";
  for (const char* output : {"-o", "--dump"}) {
    const std::string file = Output("too-long.svg");
    const CommandRun run = Barquill("databar --type stacked --code 2001234567890 " + tooLong + " " +
                                    output + (std::string(output) == "-o" ? " " + file : ""));
    EXPECT_EQ(run.status, 2) << output;
    EXPECT_NE(run.err.find("--cc: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("最大336ビット（CC-B 26段）"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << output;
    EXPECT_FALSE(fs::exists(file)) << output;
  }
}

TEST_F(DataBarCommandTest, TextOptionsReachTheDocument) {
  const std::string base =
      "databar --type omnidirectional --code 2001234567890 --cc '(17)991231$(10)LOT1001' -o ";
  const auto svg = [&](const std::string& options) {
    const CommandRun run = Barquill(base + Output("t.svg") + " " + options);
    EXPECT_EQ(run.status, 0) << options << run.err;
    std::ifstream in(Output("t.svg"));
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string frame = svg("--text frame --cc-text");
  EXPECT_NE(frame.find(">(01)20012345678909<"), std::string::npos);
  EXPECT_NE(frame.find(">(17)991231<"), std::string::npos);
  EXPECT_NE(frame.find(">(10)LOT1001<"), std::string::npos);
  // Outline glyphs and no 2D text by default; no text at all with none.
  const std::string outlines = svg("");
  EXPECT_EQ(outlines.find("<text"), std::string::npos);
  const std::string none = svg("--text none");
  EXPECT_EQ(none.find("<text"), std::string::npos);
  EXPECT_LT(none.size() + 1000, outlines.size());
}

TEST_F(DataBarCommandTest, HelpDescribesEveryOption) {
  const CommandRun run = Barquill("databar --help");
  EXPECT_EQ(run.status, 0);
  for (const char* option :
       {"--type", "--code", "--cc", "--module-width", "--height", "--separator-height",
        "--cc-row-height", "--stacked-separator-height", "--second-row-height", "--text",
        "--fit-text", "--no-fit-text", "--cc-text", "--dpi", "--dump", "-o", "--help"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(Barquill("--help").status, 0);
}

}  // namespace
