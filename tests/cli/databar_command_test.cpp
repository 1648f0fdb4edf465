// The barquill databar command as a user runs it: its exit statuses, the panel's messages on
// standard error with the option's name, no file after a refusal, and the --dump rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/messages.h"
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
       std::string("--code: ") + panels::kMsgItemNumber.japanese},
      {"--type limited --code 2001234567890",
       std::string("--code: ") + panels::kMsgLimitedItemNumber.japanese},
      {"--type omnidirectional", std::string("--code: ") + panels::kMsgItemNumber.japanese},
      {"--type stacked --code 2001234567890 --module-width 10",
       std::string("--module-width: ") + panels::kMsgModuleWidth.japanese},
      {"--type stacked --code 2001234567890 --module-width 0.35300001",
       std::string("--module-width: ") + panels::kMsgModuleWidth.japanese},
      {"--type truncated --code 2001234567890 --height 0",
       std::string("--height: ") + panels::kMsgHeight.japanese},
      {"--type stacked --code 2001234567890 --separator-height x",
       std::string("--separator-height: ") + panels::kMsgSeparatorHeight.japanese},
      {"--type stacked --code 2001234567890 --cc-row-height 11",
       std::string("--cc-row-height: ") + panels::kMsgCompositeRowHeight.japanese},
      {"--type stacked --code 2001234567890 --stacked-separator-height 0.01",
       std::string("--stacked-separator-height: ") + panels::kMsgStackedSeparatorHeight.japanese},
      {"--type stacked-omnidirectional --code 2001234567890 --second-row-height 201",
       std::string("--second-row-height: ") + panels::kMsgSecondRowHeight.japanese},
      {"--type omnidirectional --code 2001234567890 --second-row-height 20",
       "--second-row-height: applies only to"},
      {"--type limited --code 1501234567890 --module-width 0.2 --bar-width-reduction 0.2",
       std::string("--bar-width-reduction: ") + panels::kMsgBarWidthReduction.japanese},
      {"--type diagonal --code 2001234567890", "--type: expected"},
      {"--type stacked --code 2001234567890 --colour red", "unknown option --colour"},
      {"--type stacked --code 2001234567890 --height", "--height needs a value"},
      {"--type stacked --code 2001234567890 --height --dump", "--height needs a value"},
      {"--type stacked --code 2001234567890 --height 1 --height 2", "more than once"},
      {"--type stacked --code 2001234567890 --dpi 0", "--dpi: expected"},
      {"--type stacked --code 2001234567890 extra", "unexpected argument extra"},
      {"--type stacked --code 2001234567890 --cc '(10)A|B'",
       std::string("--cc: ") + panels::kMsgCompositeText.japanese},
      {"--type stacked --code 2001234567890 --cc '()$'",
       std::string("--cc: ") + panels::kMsgCompositeText.japanese},
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
    EXPECT_TRUE(HasBothLanguages(run.err)) << refusal.arguments << "\n" << run.err;
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

TEST_F(DataBarCommandTest, TypeDefaultsToOmnidirectionalAsThePanelsList) {
  const CommandRun given = Barquill("databar --type omnidirectional --code 2001234567890 --dump");
  const CommandRun left = Barquill("databar --code 2001234567890 --dump");
  ASSERT_EQ(left.status, 0) << left.err;
  EXPECT_EQ(left.out, given.out);
}

// A length may carry "mm"; any other unit or trailing text is refused with the option's message
// rather than read as millimetres.
TEST_F(DataBarCommandTest, LengthsTakeMillimetresOnly) {
  const std::string code = "databar --type stacked --code 2001234567890 ";
  const CommandRun plain = Barquill(code + "--module-width 0.33 --height 20 --dump");
  const CommandRun unit = Barquill(code + "--module-width 0.33mm --height 20mm --dump");
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(unit.status, 0) << unit.err;
  EXPECT_EQ(unit.out, plain.out);
  const struct {
    const char* arguments;
    const panels::Message& message;
  } refusals[] = {
      {"--module-width 0.33in", panels::kMsgModuleWidth},
      {"--module-width 0.33mmx", panels::kMsgModuleWidth},
      {"--module-width mm", panels::kMsgModuleWidth},
      {"--height 20cm", panels::kMsgHeight},
      {"--height 2.0.1", panels::kMsgHeight},
      {"--second-row-height 7x", panels::kMsgSecondRowHeight},
  };
  for (const auto& refusal : refusals) {
    const CommandRun run = Barquill(code + refusal.arguments + " -o " + Output("unit.svg"));
    EXPECT_EQ(run.status, 2) << refusal.arguments;
    EXPECT_NE(run.err.find(refusal.message.japanese), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(refusal.message.english), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Output("unit.svg"))) << refusal.arguments;
  }
}

// Lengths below the minimums the panel shows are drawn with a warning in both languages naming
// the length and its minimum; --strict refuses them and writes nothing.
TEST_F(DataBarCommandTest, BelowMinimumLengthsWarnOrAreRefusedWhenStrict) {
  const std::string code = "databar --type stacked-omnidirectional --code 2001234567890 ";
  const CommandRun drawn =
      Barquill(code + "--height 5 --second-row-height 11.649 -o " + Output("low.svg"));
  EXPECT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_TRUE(fs::exists(Output("low.svg")));
  EXPECT_EQ(Lines(drawn.err),
            (std::vector<std::string>{
                "barquill databar: warning: --height の 5.000 mm は最小値 11.649 mm（GS1 "
                "の最小値）より小さい値です。そのまま作図します。",
                "barquill databar: warning: --height 5.000 mm is below its minimum of 11.649 mm "
                "(the GS1 minimum); drawn as given"}));
  const CommandRun strict =
      Barquill(code + "--module-width 0.2 --height 6.5 --strict -o " + Output("strict.svg"));
  EXPECT_EQ(strict.status, 2);
  EXPECT_NE(strict.err.find("--height 6.500 mm is below its minimum of 6.600 mm"),
            std::string::npos)
      << strict.err;
  EXPECT_TRUE(HasBothLanguages(strict.err)) << strict.err;
  EXPECT_FALSE(fs::exists(Output("strict.svg")));
  // The minimums themselves, the module width's 0.170 included, pass without a word.
  const CommandRun least = Barquill(code + "--module-width 0.17 --strict --dump");
  EXPECT_EQ(least.status, 0) << least.err;
  EXPECT_EQ(least.err, "");
  const CommandRun thin = Barquill(code + "--module-width 0.15 --strict --dump");
  EXPECT_EQ(thin.status, 2);
  EXPECT_NE(thin.err.find("--module-width 0.150 mm is below its minimum of 0.170 mm"),
            std::string::npos)
      << thin.err;
}

// -o - writes to standard output exactly the bytes the file would hold, in --format's format.
TEST_F(DataBarCommandTest, StandardOutputHoldsTheFilesBytes) {
  const std::string code = "databar --type stacked --code 2001234567890 --cc '(17)991231' ";
  for (const char* format : {"svg", "pdf", "eps", "png"}) {
    const std::string file = Output((std::string("file.") + format).c_str());
    ASSERT_EQ(Barquill(code + "-o " + file).status, 0) << format;
    const CommandRun piped = Barquill(code + "--format " + format + " -o -");
    EXPECT_EQ(piped.status, 0) << format << piped.err;
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(piped.out, std::string(std::istreambuf_iterator<char>(in), {})) << format;
  }
  EXPECT_EQ(Barquill(code + "-o -").out.substr(0, 5), "<?xml");  // SVG without --format
  EXPECT_EQ(Barquill(code + "--format bmp -o -").status, 2);
  EXPECT_EQ(Barquill(code + "--format pdf -o " + Output("x.svg")).status, 2);
}

// barquill --help lists every subcommand and every option of each, each with an example.
TEST_F(DataBarCommandTest, HelpDescribesEveryOptionWithAnExample) {
  const CommandRun run = Barquill("databar --help");
  EXPECT_EQ(run.status, 0);
  for (const char* option : {"--type",
                             "--code",
                             "--cc",
                             "--module-width",
                             "--height",
                             "--separator-height",
                             "--cc-row-height",
                             "--stacked-separator-height",
                             "--second-row-height",
                             "--text",
                             "--fit-text",
                             "--no-fit-text",
                             "--cc-text",
                             "--strict",
                             "--dpi",
                             "--dump",
                             "-o",
                             "--format",
                             "--help",
                             "example: "}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
  const CommandRun top = Barquill("--help");
  EXPECT_EQ(top.status, 0);
  EXPECT_NE(top.out.find(run.out), std::string::npos);  // the commands' help included whole
  for (const char* command : {"databar", "expanded", "gs1-128", "batch"})
    EXPECT_NE(top.out.find("e.g. barquill " + std::string(command)), std::string::npos) << command;
  EXPECT_NE(top.out.find("--version"), std::string::npos);
  const std::vector<std::string> lines = Lines(top.out);
  size_t options = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (!line.starts_with("  --") && !line.starts_with("  -o") && !line.starts_with("  -h"))
      continue;
    ++options;
    // The help may run over several lines; its example ends it.
    size_t next = i + 1;
    while (next < lines.size() && lines[next].starts_with(std::string(36, ' ')) &&
           lines[next].find("e.g. ") == std::string::npos)
      ++next;
    ASSERT_LT(next, lines.size()) << line;
    EXPECT_NE(lines[next].find("e.g. -"), std::string::npos) << line;
  }
  EXPECT_GE(options, 50u);
  const CommandRun version = Barquill("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("barquill ")) << version.out;
}

}  // namespace
