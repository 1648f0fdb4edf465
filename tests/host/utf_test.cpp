#include "host/utf.h"

#include <gtest/gtest.h>

namespace {

TEST(UtfTest, JapaneseLabelsRoundTrip) {
  const std::string label = "医療用GS1-128 ﾊﾞｰｺｰﾄﾞ";
  const std::u16string wide = host::Utf8ToUtf16(label);
  EXPECT_EQ(wide[0], u'医');
  EXPECT_EQ(wide.size(), 18u);
  EXPECT_EQ(host::Utf16ToUtf8(wide), label);
}

TEST(UtfTest, SupplementaryCharactersUseSurrogatePairs) {
  const std::u16string wide = host::Utf8ToUtf16("\xF0\x9F\x98\x80");
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[0], 0xD83D);
  EXPECT_EQ(wide[1], 0xDE00);
}

TEST(UtfTest, InvalidSequencesBecomeReplacementCharacters) {
  EXPECT_EQ(host::Utf8ToUtf16("a\xFF"
                              "b"),
            u"a\uFFFDb");
  EXPECT_EQ(host::Utf8ToUtf16("\xE3\x81"), u"\uFFFD");        // truncated
  EXPECT_EQ(host::Utf8ToUtf16("\xC0\xAF"), u"\uFFFD");        // overlong
  EXPECT_EQ(host::Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");  // lone surrogate
}

}  // namespace
