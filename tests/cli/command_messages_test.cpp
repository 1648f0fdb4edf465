// The command's own messages come in both languages, with the same blanks, like the panels'.
#include "cli/command_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Blanks(std::string_view text) {
  std::vector<std::string> blanks;
  for (size_t at = text.find("%s"); at != std::string_view::npos; at = text.find("%s", at + 2))
    blanks.emplace_back("%s");
  return blanks;
}

TEST(CommandMessagesTest, EveryMessageHasBothLanguagesWithTheSameBlanks) {
  for (const panels::Message* message : cli::kAllCommandMessages) {
    const std::string_view japanese = message->japanese;
    const std::string_view english = message->english;
    EXPECT_TRUE(std::any_of(japanese.begin(), japanese.end(), [](char c) {
      return static_cast<unsigned char>(c) >= 0x80;
    })) << japanese;
    EXPECT_TRUE(std::all_of(english.begin(), english.end(), [](char c) {
      return static_cast<unsigned char>(c) < 0x80;
    })) << english;
    EXPECT_FALSE(english.empty());
    EXPECT_EQ(Blanks(japanese), Blanks(english)) << english;
    EXPECT_EQ(japanese.find("%d"), std::string_view::npos) << japanese;
  }
}

}  // namespace
