// The panels' message catalogue: every message in both languages with the same blanks, and the
// English of any text a panel shows found again from its Japanese, blanks filled.
#include "panels/messages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace panels {
namespace {

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80)
      return false;
  }
  return true;
}

std::vector<std::string> Blanks(std::string_view text) {
  std::vector<std::string> blanks;
  for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
    if (at + 1 < text.size() && (text[at + 1] == 's' || text[at + 1] == 'd'))
      blanks.emplace_back(text.substr(at, 2));
  }
  return blanks;
}

TEST(MessagesTest, EveryMessageHasBothLanguagesWithTheSameBlanks) {
  std::set<std::string> japanese;
  for (const Message* message : kAllMessages) {
    EXPECT_FALSE(IsAscii(message->japanese)) << message->japanese;
    EXPECT_TRUE(IsAscii(message->english)) << message->english;
    EXPECT_FALSE(std::string_view(message->english).empty());
    EXPECT_EQ(std::string_view(message->english).find('\n'), std::string_view::npos)
        << message->english;
    EXPECT_EQ(Blanks(message->japanese), Blanks(message->english)) << message->english;
    // One entry per text, so that a shown text has one English text.
    EXPECT_TRUE(japanese.insert(message->japanese).second) << message->japanese;
  }
}

TEST(MessagesTest, EnglishIsFoundFromTheShownJapaneseWithItsBlanksFilled) {
  for (const Message* message : kAllMessages) {
    const std::vector<std::string> blanks = Blanks(message->japanese);
    std::vector<std::string> values;
    for (size_t i = 0; i < blanks.size(); ++i)
      values.push_back(blanks[i] == "%d" ? std::to_string(17 + i) : "Omni" + std::to_string(i));
    std::string shown = message->japanese;
    std::string english = message->english;
    for (size_t i = 0; i < blanks.size(); ++i) {
      shown.replace(shown.find(blanks[i]), 2, values[i]);
      english.replace(english.find(blanks[i]), 2, values[i]);
    }
    EXPECT_EQ(EnglishFor(shown), english) << shown;
  }
  // The AI's blank, not the text around it: "(01)のデータ" is no AI.
  EXPECT_EQ(EnglishFor(WithAi(kMsgInvalidAiData, "01")),
            "The data of the AI (01) of the code is invalid.");
  EXPECT_EQ(EnglishFor(WithAi(kMsgInvalidAi, "9")), "The AI (9) of the code is invalid.");
  EXPECT_EQ(EnglishFor("ドキュメントがありません。"), std::nullopt);
  EXPECT_EQ(EnglishFor(""), std::nullopt);
}

TEST(MessagesTest, BothLanguagesFillTheSameValues) {
  const MessageLines lines = BothLanguages(kMsgDuplicateAi, {"10"});
  EXPECT_EQ(lines.japanese, "コードに重複したAI(10)があります。");
  EXPECT_EQ(lines.english, "The code holds the AI (10) more than once.");
  EXPECT_EQ(FillBlanks("100% %s", {"x"}), "100% x");
}

}  // namespace
}  // namespace panels
