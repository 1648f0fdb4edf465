// Point-text frames and their text ranges.
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

// Text set before the plug-in chooses a font and size.
constexpr const char* kDefaultFontName = "sans-serif";
constexpr host::Real kDefaultFontSize = 12;

host::ErrorCode NewPointText(int16_t paintOrder, host::ArtHandle prep, int32_t orientation,
                             host::RealPoint anchor, host::ArtHandle* frame) {
  return RunOperation("TextFrame.NewPointText", [&](Emulator::State& state) {
    if (frame == nullptr || paintOrder != host::kPlaceInsideOnTop ||
        orientation != host::kHorizontalText) {
      return kBadParameter;
    }
    if (!state.document)
      return kNoDocument;
    Art* container = state.document->Find(prep);
    if (container == nullptr)
      return kBadHandle;
    Art* art = state.document->NewArtInsideOnTop(ArtKind::kTextFrame, *container);
    if (art == nullptr)
      return kWrongArtKind;
    PointText& text = art->text;
    text.anchor = anchor;
    text.orientation = orientation;
    text.font = state.fonts.Resolve(kDefaultFontName, true).value_or(ResolvedFont{});
    text.size = kDefaultFontSize;
    text.extent = state.fonts.Measure(text.font, text.text, text.size);
    *frame = HandleOf(art);
    return host::kNoError;
  });
}

// The range spans the frame's whole text and is retained for the caller.
host::ErrorCode GetTextRange(host::ArtHandle frame, host::TextRangeHandle* range) {
  return RunOperation("TextFrame.GetTextRange", [&](Emulator::State& state) {
    if (range == nullptr)
      return kBadParameter;
    const Art* art = FindArt(state, frame);
    if (art == nullptr)
      return kBadHandle;
    if (art->kind != ArtKind::kTextFrame)
      return kWrongArtKind;
    *range = state.text.ranges.Add(std::make_unique<TextRangeRecord>(TextRangeRecord{1, frame}));
    return host::kNoError;
  });
}

}  // namespace

const host::TextFrameSuite kTextFrameSuite = {NewPointText, GetTextRange};

}  // namespace emulator
