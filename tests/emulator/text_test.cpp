#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "emulator/errors.h"
#include "tests/emulator/emulator_fixture.h"

namespace emulator {
namespace {

class TextFrames : public EmulatorTest {
 protected:
  // A line made with the host calls of the plug-in's text frames, every reference released.
  host::ArtHandle MakeLine(const std::string& text, const char* font, host::Real size) {
    host::ArtHandle frame = nullptr;
    EXPECT_EQ(host::sTextFrame->NewPointText(host::kPlaceInsideOnTop, Group(),
                                             host::kHorizontalText, {50, 60}, &frame),
              host::kNoError);
    host::TextRangeHandle range = nullptr;
    EXPECT_EQ(host::sTextFrame->GetTextRange(frame, &range), host::kNoError);
    char16_t units[256];
    size_t bytes = 0;
    EXPECT_EQ(host::sCharacterEncoding->ConvertBuffer(
                  text.data(), text.size(), host::kPlatformEncoding, units, sizeof units - 2,
                  host::kUtf16Encoding, &bytes, true),
              host::kNoError);
    units[bytes / 2] = 0;
    EXPECT_EQ(host::sTextRange->InsertAfter(range, units, -1), host::kNoError);

    host::FontKeyHandle key = nullptr;
    host::TextEngineFontHandle engineFont = nullptr;
    host::CharFeaturesHandle features = nullptr;
    EXPECT_EQ(host::sFont->FindFont(font, 101, 1, 1, &key), host::kNoError);
    EXPECT_EQ(host::sFont->FontKeyToTextEngineFont(key, &engineFont), host::kNoError);
    EXPECT_EQ(host::sCharFeatures->Initialize(&features), host::kNoError);
    EXPECT_EQ(host::sCharFeatures->SetFont(features, engineFont), host::kNoError);
    EXPECT_EQ(host::sCharFeatures->SetFontSize(features, size), host::kNoError);
    EXPECT_EQ(host::sTextRange->SetLocalCharFeatures(range, features), host::kNoError);
    host::sTextEngineFont->Release(engineFont);
    host::sCharFeatures->Release(features);
    host::sTextRange->Release(range);
    return frame;
  }

  const PointText& Text(host::ArtHandle frame) { return document_.Find(frame)->text; }
};

TEST_F(TextFrames, BoundsAreMeasuredFromTheRealFontAtItsSize) {
  const host::ArtHandle frame = MakeLine("(01)20012345678909", "MS-Gothic", 8);
  const PointText& text = Text(frame);
  EXPECT_EQ(text.text, u"(01)20012345678909");
  EXPECT_EQ(text.requestedFont, "MS-Gothic");
  EXPECT_EQ(text.font.family, "IPAGothic");
  EXPECT_EQ(text.size, 8);

  host::RealRect bounds;
  ASSERT_EQ(host::sArt->GetArtBounds(frame, &bounds), host::kNoError);
  EXPECT_EQ(bounds.left, 50);
  EXPECT_NEAR(bounds.top - bounds.bottom, 8, 2);
  EXPECT_LT(bounds.bottom, 60);
  EXPECT_GT(bounds.top, 60);
  // A Gothic face sets half-width characters at half an em: 18 characters of 4 points.
  EXPECT_NEAR(bounds.right - bounds.left, 72, 4);
  EXPECT_EQ(emulator_.balance().textObjectsHeld, 0);
}

TEST_F(TextFrames, WidthAndHeightFollowTextAndSize) {
  host::RealRect small, large, longer;
  host::sArt->GetArtBounds(MakeLine("(10)LOT1", "MS-Gothic", 8), &small);
  host::sArt->GetArtBounds(MakeLine("(10)LOT1", "MS-Gothic", 16), &large);
  host::sArt->GetArtBounds(MakeLine("(10)LOT1001", "MS-Gothic", 8), &longer);
  EXPECT_FLOAT_EQ(large.top - large.bottom, 2 * (small.top - small.bottom));
  EXPECT_FLOAT_EQ(large.right - large.left, 2 * (small.right - small.left));
  EXPECT_GT(longer.right, small.right);
}

TEST_F(TextFrames, TextObjectsLiveUntilTheLastReleaseAndFeaturesHoldTheirFont) {
  host::FontKeyHandle key = nullptr;
  host::TextEngineFontHandle font = nullptr;
  host::CharFeaturesHandle features = nullptr;
  ASSERT_EQ(host::sFont->FindFont("MS-Gothic", 101, 1, 1, &key), host::kNoError);
  ASSERT_EQ(host::sFont->FontKeyToTextEngineFont(key, &font), host::kNoError);
  ASSERT_EQ(host::sCharFeatures->Initialize(&features), host::kNoError);
  ASSERT_EQ(host::sCharFeatures->SetFont(features, font), host::kNoError);
  ASSERT_EQ(host::sCharFeatures->AddRef(features), host::kNoError);
  EXPECT_EQ(host::sTextEngineFont->Release(font), host::kNoError);
  EXPECT_EQ(emulator_.balance().textObjectsHeld, 2);  // the features still hold the font
  EXPECT_EQ(host::sCharFeatures->Release(features), host::kNoError);
  EXPECT_EQ(emulator_.balance().textObjectsHeld, 2);
  EXPECT_EQ(host::sCharFeatures->Release(features), host::kNoError);
  EXPECT_EQ(emulator_.balance().textObjectsHeld, 0);
  EXPECT_EQ(host::sCharFeatures->Release(features), kBadHandle);
  EXPECT_EQ(host::sTextEngineFont->AddRef(font), kBadHandle);
}

TEST(CharacterEncoding, NeverWritesPastTheDestinationAndReportsTruncation) {
  Emulator emulator;
  host::ScopedSuites suites(emulator.basic());
  const char text[] = "(01)2001234567890";
  unsigned char buffer[12];
  std::memset(buffer, 0xAB, sizeof buffer);
  size_t length = 0;
  // Room for 4 units in 9 bytes: the odd byte stays untouched, as does everything after it.
  EXPECT_EQ(host::sCharacterEncoding->ConvertBuffer(text, 17, host::kPlatformEncoding, buffer, 9,
                                                    host::kUtf16Encoding, &length, true),
            kBufferTooSmall);
  EXPECT_EQ(length, 8u);
  char16_t units[4];
  std::memcpy(units, buffer, sizeof units);
  EXPECT_EQ(std::u16string(units, 4), u"(01)");
  for (size_t i = 8; i < sizeof buffer; ++i)
    EXPECT_EQ(buffer[i], 0xAB);

  // Bytes above 0x7F become one unit each, and an unaligned destination is fine.
  const unsigned char high[] = {0x41, 0xE9};
  EXPECT_EQ(host::sCharacterEncoding->ConvertBuffer(high, 2, host::kPlatformEncoding, buffer + 1, 4,
                                                    host::kUtf16Encoding, &length, true),
            host::kNoError);
  std::memcpy(units, buffer + 1, 4);
  EXPECT_EQ(units[0], u'A');
  EXPECT_EQ(units[1], u'\u00E9');
  EXPECT_EQ(host::sCharacterEncoding->ConvertBuffer(text, 2, host::kUtf16Encoding, buffer, 12,
                                                    host::kPlatformEncoding, &length, true),
            kBadParameter);
}

}  // namespace
}  // namespace emulator
