// barquill batch as a user runs it: one job per line, bad lines reported with their line number
// while the good ones are still made, the exit status, the same files whatever the number of
// jobs at once, and the symbols laid out on a sheet.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/cli/command_test.h"

namespace {

class BatchCommandTest : public CommandTest {
 protected:
  // Writes the lines, fields joined with tabs, as a batch file; returns its path.
  std::string BatchFile(const std::vector<std::vector<std::string>>& lines,
                        const char* name = "jobs.txt") {
    std::ofstream out(Output(name));
    for (const auto& fields : lines) {
      for (size_t i = 0; i < fields.size(); ++i)
        out << (i > 0 ? "\t" : "") << fields[i];
      out << "\n";
    }
    return Output(name);
  }

  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

using Lines_ = std::vector<std::vector<std::string>>;

// Every kind of symbol, with and without a 2D part, in files named by the job and by the line.
const Lines_ kMixedJobs = {
    {"databar", "--type", "omnidirectional", "--code", "2001234567890", "-o", "omni.svg"},
    {"databar", "--type", "truncated", "--code", "0614141999996"},
    {"databar", "--type", "stacked", "--code", "2001234567890", "--cc", "(17)991231(10)LOT1"},
    {"databar", "--type", "stacked-omnidirectional", "--code", "1234567890123", "--text", "frame"},
    {"databar", "--type", "limited", "--code", "0614141999996", "--cc",
     "(10)ABCDEFGHIJKLMNOPQRST(21)SERIAL12345678"},
    {"expanded", "--code", "(01)98898765432106(3202)012345(15)991231", "--segments", "4"},
    {"expanded", "--code", "(01)00012345678905(10)LOT12345", "--cc", "(21)X1"},
    {"gs1-128", "--gtin", "1498765432101", "--expiry", "251231", "--quantity", "120", "--lot",
     "ABC123", "--output=gs1.svg"},
    {"databar", "--type", "limited", "--code", "1501234567890", "--dump"},
};

TEST_F(BatchCommandTest, BadLinesAreReportedByNumberAndTheGoodOnesStillMade) {
  const std::string jobs = BatchFile({
      {"# a comment"},
      {"databar", "--type", "stacked", "--code", "2001234567890", "-o", "named.svg"},
      {""},
      {"databar", "--type", "omnidirectional", "--code", "123"},
      {"expanded", "--code", "(01)98898765432106"},
      {"nosuch", "--code", "1"},
      {"databar", "--type", "stacked", "--code", "1501234567890", "-o", "named.svg"},
      {"batch", "other.txt"},
      {"databar", "--type", "sideways", "--code", "2001234567890"},
  });
  const CommandRun run = Barquill("batch " + jobs + " -o " + Output("out"));
  EXPECT_EQ(run.status, 2);
  // Each message in Japanese, then in English; the summary last.
  const std::vector<std::string> messages = Lines(run.err);
  ASSERT_EQ(messages.size(), 12u) << run.err;
  for (size_t i = 0; i < messages.size(); i += 2)
    EXPECT_TRUE(HasBothLanguages(messages[i] + "\n" + messages[i + 1])) << messages[i];
  EXPECT_TRUE(messages[0].starts_with("barquill batch: line 4: databar: --code: ")) << run.err;
  EXPECT_EQ(messages[2], "barquill batch: line 6: 「nosuch」は不明なコマンドです。");
  EXPECT_EQ(messages[3], "barquill batch: line 6: unknown command \"nosuch\"");
  EXPECT_EQ(messages[5],
            "barquill batch: line 7: writes " + Output("out") + "/named.svg, as line 2 does");
  EXPECT_EQ(messages[7], "barquill batch: line 8: a batch line cannot run batch");
  EXPECT_TRUE(messages[8].starts_with("barquill batch: line 9: databar: --type: ")) << run.err;
  EXPECT_TRUE(messages[11].starts_with(
      "barquill batch: files written: 2, jobs refused or failed: 5 (lines 4, 6, 7, 8, 9), time: "))
      << run.err;

  // The good lines' files, named by the job or by the line, and nothing for the bad ones.
  EXPECT_TRUE(fs::exists(Output("out/named.svg")));
  EXPECT_TRUE(fs::exists(Output("out/5.svg")));
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(Output("out")))
    files.push_back(entry.path().filename().string());
  EXPECT_EQ(files.size(), 2u);
  // The line-7 job was refused, so named.svg is line 2's stacked symbol of 2001234567890.
  EXPECT_NE(Contents(Output("out/named.svg")).find("<path"), std::string::npos);
}

// Fields are passed on as they are, an empty one too: as "" on a command line, it is an
// argument the subcommand refuses.
TEST_F(BatchCommandTest, AnEmptyFieldIsAnArgumentOfItsOwn) {
  const std::string jobs = BatchFile({{"databar", "--code", "2001234567890", "-o", "a.svg", ""},
                                      {"databar", "--code", "2001234567890", "-o", "b.svg"}},
                                     "empty.txt");
  const CommandRun run = Barquill("batch " + jobs + " -o " + Output("e"));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("line 1: databar: unexpected argument"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(Output("e/a.svg")));
  EXPECT_TRUE(fs::exists(Output("e/b.svg")));
}

TEST_F(BatchCommandTest, ExitStatusSaysWhetherAndHowLinesFailed) {
  const std::string good = BatchFile({kMixedJobs[0], kMixedJobs[5]}, "good.txt");
  EXPECT_EQ(Barquill("batch " + good + " -o " + Output("a")).status, 0);

  // A file that cannot be written is a failure (1), which outranks a refused line (2).
  const std::string unwritable = BatchFile(
      {{"databar", "--type", "stacked", "--code", "2001234567890", "-o", "missing/dir/x.svg"},
       {"databar", "--type", "stacked", "--code", "x"}},
      "unwritable.txt");
  const CommandRun run = Barquill("batch " + unwritable + " -o " + Output("b"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err).size(), 6u) << run.err;  // two messages and the summary

  EXPECT_EQ(Barquill("batch").status, 2);
  EXPECT_EQ(Barquill("batch " + good + " --jobs 0").status, 2);
  EXPECT_EQ(Barquill("batch " + good + " --sheet " + Output("s.png")).status, 2);
  EXPECT_EQ(Barquill("batch " + good + " --sheet " + Output("s.pdf") + " -o x").status, 2);
  EXPECT_EQ(Barquill("batch " + Output("none.txt")).status, 2);
}

TEST_F(BatchCommandTest, OutputIsTheSameWhateverTheNumberOfJobsAtOnce) {
  // Enough lines that several workers are busy at once.
  Lines_ lines;
  for (int copy = 0; copy < 6; ++copy) {
    for (std::vector<std::string> job : kMixedJobs) {
      for (std::string& field : job) {
        if (field.ends_with(".svg"))
          field.insert(field.size() - 4, "-" + std::to_string(copy));
      }
      lines.push_back(job);
    }
  }
  lines.push_back({"databar", "--type", "stacked", "--code", "bad"});
  const std::string jobs = BatchFile(lines);
  const CommandRun one = Barquill("batch " + jobs + " -o " + Output("one") + " --jobs 1");
  const CommandRun many = Barquill("batch " + jobs + " -o " + Output("many") + " --jobs 4");
  EXPECT_EQ(one.status, 2);
  EXPECT_EQ(many.status, one.status);
  EXPECT_EQ(many.out, one.out);  // the --dump rows, in line order
  // The same messages, and summaries that differ only in their time.
  const auto timeless = [](const std::string& err) { return err.substr(0, err.find("時間: ")); };
  EXPECT_EQ(timeless(many.err), timeless(one.err));
  EXPECT_NE(one.err.find("files written: 48, jobs refused or failed: 1 (lines 55), time: "),
            std::string::npos)
      << one.err;
  EXPECT_EQ(Lines(one.out).size(), 6u);

  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(Output("one"))) {
    const fs::path twin = fs::path(Output("many")) / entry.path().filename();
    ASSERT_TRUE(fs::exists(twin)) << twin;
    EXPECT_EQ(Contents(entry.path()), Contents(twin)) << twin;
    ++files;
  }
  EXPECT_EQ(files, 6u * (kMixedJobs.size() - 1));
}

TEST_F(BatchCommandTest, SheetHoldsEverySymbolOnA4Pages) {
  Lines_ lines;
  for (int copy = 0; copy < 3; ++copy)
    lines.insert(lines.end(), kMixedJobs.begin(), kMixedJobs.end());
  const std::string jobs = BatchFile(lines);

  // One page: one SVG file of A4 size, the same whatever the number of jobs at once.
  const CommandRun one = Barquill("batch " + jobs + " --sheet " + Output("one.svg") + " --jobs 1");
  const CommandRun many = Barquill("batch " + jobs + " --sheet " + Output("many.svg"));
  EXPECT_EQ(one.status, 0) << one.err;
  const std::string sheet = Contents(Output("one.svg"));
  EXPECT_NE(sheet.find("width=\"210mm\" height=\"297mm\" viewBox=\"0 0 595.27559 841.88976\""),
            std::string::npos);
  EXPECT_EQ(sheet, Contents(Output("many.svg")));
  EXPECT_FALSE(fs::exists(Output("omni.svg")));  // the jobs' own files are not written

  // More symbols than a page holds: one PDF of several pages, or an SVG file per page.
  Lines_ longer;
  for (int copy = 0; copy < 150; ++copy)
    longer.push_back(kMixedJobs[0]);
  const std::string many_jobs = BatchFile(longer, "long.txt");
  EXPECT_EQ(Barquill("batch " + many_jobs + " --sheet " + Output("long.pdf")).status, 0);
  const std::string pdf = Contents(Output("long.pdf"));
  ASSERT_TRUE(pdf.starts_with("%PDF"));
  size_t pages = 0;  // "/Type /Page" objects, not the "/Type /Pages" tree
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1)) {
    pages += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
  }
  EXPECT_GE(pages, 2u);
  EXPECT_EQ(Barquill("batch " + many_jobs + " --sheet " + Output("long.svg")).status, 0);
  EXPECT_TRUE(fs::exists(Output("long-1.svg")));
  EXPECT_TRUE(fs::exists(Output("long-2.svg")));
  EXPECT_FALSE(fs::exists(Output("long.svg")));
}

// A job file from elsewhere cannot write outside the output directory: absolute paths and paths
// with ".." are refused by line number, the other jobs are still made, nothing lands outside.
// A byte order mark at the start (as Windows editors save UTF-8) is skipped.
TEST_F(BatchCommandTest, OutputsStayInsideTheDirectoryAndAByteOrderMarkIsSkipped) {
  const std::string outside = Output("outside.svg");
  const std::string jobs = BatchFile({
      {"\xEF\xBB\xBF"
       "databar",
       "--code", "2001234567890", "-o", "first.svg"},
      {"databar", "--code", "2001234567890", "-o", "../outside.svg"},
      {"databar", "--code", "2001234567890", "-o", outside},
      {"databar", "--code", "2001234567890", "--output=sub/../../outside.svg"},
      {"databar", "--code", "2001234567890", "-o", "-"},
      {"databar", "--code", "2001234567890", "-o", "sub/inner.svg"},
  });
  fs::create_directories(Output("out/sub"));
  const CommandRun run = Barquill("batch " + jobs + " -o " + Output("out"));
  EXPECT_EQ(run.status, 2);
  const std::vector<std::string> messages = Lines(run.err);
  ASSERT_EQ(messages.size(), 10u) << run.err;
  EXPECT_EQ(messages[1],
            "barquill batch: line 2: the output ../outside.svg leaves the output "
            "directory: name it by a relative path without ..");
  EXPECT_EQ(messages[3], "barquill batch: line 3: the output " + outside +
                             " leaves the output directory: name it by a relative path without ..");
  EXPECT_TRUE(messages[5].starts_with("barquill batch: line 4: the output sub/../../outside.svg"));
  EXPECT_EQ(messages[7],
            "barquill batch: line 5: a batch job cannot write to standard output; name a file");
  EXPECT_TRUE(messages[9].starts_with(
      "barquill batch: files written: 2, jobs refused or failed: 4 (lines 2, 3, 4, 5), "));
  EXPECT_TRUE(fs::exists(Output("out/first.svg")));
  EXPECT_TRUE(fs::exists(Output("out/sub/inner.svg")));
  EXPECT_FALSE(fs::exists(outside));
  EXPECT_FALSE(fs::exists(Output("out/outside.svg")));
}

TEST_F(BatchCommandTest, ReadsTheJobsFromStandardInput) {
  const std::string jobs = BatchFile({kMixedJobs[0]});
  const CommandRun run = Barquill("batch - -o " + Output("in") + " < " + jobs);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(Output("in/omni.svg")));
}

}  // namespace
