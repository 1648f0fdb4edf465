#include "art/text_line.h"

#include <algorithm>
#include <cstdint>

#include "host/geometry.h"
#include "host/suite_pointers.h"
#include "host/suites.h"
#include "textengine/char_features.h"
#include "textengine/exception.h"
#include "textengine/text_engine_font.h"
#include "textengine/text_range.h"

namespace art {

namespace {

constexpr char kFontName[] = "MS-Gothic";
constexpr int32_t kFontLookup = 101;
constexpr int32_t kFontScript = 1;
constexpr int32_t kFontSubstitution = 1;
constexpr host::Fixed kFontSize = 8 * host::kFixedOne;

host::ArtHandle NewPointText(host::ArtHandle group, host::Fixed x, host::Fixed y) {
  const host::FixedPoint fixedAnchor{x, y};
  host::RealPoint anchor;
  host::sRealMath->FixedPointToRealPoint(&fixedAnchor, &anchor);
  host::ArtHandle frame = nullptr;
  ATE::Check(host::sTextFrame->NewPointText(host::kPlaceInsideOnTop, group, host::kHorizontalText,
                                            anchor, &frame));
  return frame;
}

ATE::TextRange TextRangeOf(host::ArtHandle frame) {
  host::TextRangeHandle range = nullptr;
  ATE::Check(host::sTextFrame->GetTextRange(frame, &range));
  return ATE::TextRange(range);
}

void InsertText(ATE::TextRange& range, std::string_view text, std::size_t bufferBytes) {
  // One unit beyond the largest buffer the host may fill, for the terminator.
  char16_t buffer[kTextLineBufferBytes / sizeof(char16_t) + 1] = {};
  bufferBytes = std::min(bufferBytes, kTextLineBufferBytes);
  std::size_t convertedBytes = 0;
  ATE::Check(host::sCharacterEncoding->ConvertBuffer(text.data(), text.size(),
                                                     host::kPlatformEncoding, buffer, bufferBytes,
                                                     host::kUtf16Encoding, &convertedBytes, true));
  const std::size_t units = std::min(convertedBytes, bufferBytes) / sizeof(char16_t);
  buffer[units] = u'\0';
  range.InsertAfter(std::u16string_view(buffer, units));
}

ATE::TextEngineFont FindTextFont() {
  host::FontKeyHandle key = nullptr;
  ATE::Check(host::sFont->FindFont(kFontName, kFontLookup, kFontScript, kFontSubstitution, &key));
  host::TextEngineFontHandle font = nullptr;
  ATE::Check(host::sFont->FontKeyToTextEngineFont(key, &font));
  return ATE::TextEngineFont(font);
}

void ApplyTextFont(ATE::TextRange& range) {
  const ATE::TextEngineFont font = FindTextFont();
  ATE::CharFeatures features;
  features.SetFont(font);
  features.SetFontSize(host::sFixedMath->FixedToReal(kFontSize));
  range.SetLocalCharFeatures(features);
}

host::Real MeasuredHeight(host::ArtHandle frame) {
  host::RealRect bounds;
  ATE::Check(host::sArt->GetArtBounds(frame, &bounds));
  return bounds.top - bounds.bottom;
}

}  // namespace

host::Real MakeTextLine(host::ArtHandle group, host::Fixed x, host::Fixed y, std::string_view text,
                        std::size_t bufferBytes) {
  const host::ArtHandle frame = NewPointText(group, x, y);
  try {
    ATE::TextRange range = TextRangeOf(frame);
    InsertText(range, text, bufferBytes);
    ApplyTextFont(range);
    return MeasuredHeight(frame);
  } catch (const ATE::Exception&) {
    host::sArt->DisposeArt(frame);
    throw;
  }
}

}  // namespace art
