// Files written whole: a reader never finds part of one under its name, an old file stays until
// the new one is complete, and an abandoned write leaves neither the file nor its temporary one.
#include "emulator/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace emulator {
namespace {

namespace fs = std::filesystem;

class WholeFileTest : public ::testing::Test {
 protected:
  WholeFileTest()
      : directory_(fs::temp_directory_path() /
                   ("barquill-whole-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))) {
    fs::create_directories(directory_);
  }
  ~WholeFileTest() override { fs::remove_all(directory_); }

  std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  size_t Entries() {
    return static_cast<size_t>(std::distance(fs::directory_iterator(directory_), {}));
  }

  fs::path directory_;
};

TEST_F(WholeFileTest, ReplacesTheFileWholeAndLeavesNoTemporaryOne) {
  const std::string path = (directory_ / "symbol.svg").string();
  ASSERT_TRUE(WriteWholeFile(path, "old").ok());
  ASSERT_TRUE(WriteWholeFile(path, std::string(100000, 'x')).ok());
  EXPECT_EQ(Contents(path), std::string(100000, 'x'));
  EXPECT_EQ(Entries(), 1u);
  // A directory that does not exist: an error, and nothing made.
  EXPECT_FALSE(WriteWholeFile((directory_ / "none" / "x.svg").string(), "x").ok());
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(WholeFileTest, TemporaryNamesSayWhatTheyAre) {
  EXPECT_EQ(TemporaryNameFor("out/sub/a.svg", "1f"), "out/sub/.a.svg.tmp-1f");
  EXPECT_EQ(TemporaryNameFor("a.png", "2"), ".a.png.tmp-2");
}

// Run last in this process: once abandoned, no file is written any more.
TEST_F(WholeFileTest, ZAbandonedWritesLeaveNothing) {
  const std::string path = (directory_ / "kept.svg").string();
  ASSERT_TRUE(WriteWholeFile(path, "whole").ok());
  AbandonTemporaryFiles();
  EXPECT_FALSE(WriteWholeFile((directory_ / "late.svg").string(), "late").ok());
  EXPECT_FALSE(WriteWholeFile(path, "replaced").ok());
  EXPECT_EQ(Contents(path), "whole");
  EXPECT_EQ(Entries(), 1u);
}

}  // namespace
}  // namespace emulator
