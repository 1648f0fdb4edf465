// The text engine's ranges, character features and fonts: reference-counted objects. Applying
// features sets the font and size of the whole frame, and every change of text, font or size
// measures the line again, so that the frame's bounds follow the real font.
#include <cmath>

#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

// The frame a range spans, or null when the range or its frame no longer exists.
Art* RangeFrame(Emulator::State& state, host::TextRangeHandle range) {
  const TextRangeRecord* record = state.text.ranges.Find(range);
  return record != nullptr ? FindArt(state, record->frame) : nullptr;
}

void Remeasure(Emulator::State& state, PointText& text) {
  text.extent = state.fonts.Measure(text.font, text.text, text.size);
}

host::ErrorCode RangeAddRef(host::TextRangeHandle range) {
  return RunOperation("TextRange.AddRef",
                      [&](Emulator::State& state) { return state.text.Retain(range); });
}

host::ErrorCode RangeRelease(host::TextRangeHandle range) {
  return RunOperation("TextRange.Release",
                      [&](Emulator::State& state) { return state.text.Release(range); });
}

// Appends to the frame's text (length -1: up to a zero unit); the range grows to include it.
host::ErrorCode InsertAfter(host::TextRangeHandle range, const char16_t* text, int32_t length) {
  return RunOperation("TextRange.InsertAfter", [&](Emulator::State& state) {
    if (length < -1 || (text == nullptr && length != 0))
      return kBadParameter;
    Art* frame = RangeFrame(state, range);
    if (frame == nullptr)
      return kBadHandle;
    if (length == -1) {
      frame->text.text.append(text);
    } else if (length > 0) {
      frame->text.text.append(text, static_cast<size_t>(length));
    }
    Remeasure(state, frame->text);
    return host::kNoError;
  });
}

host::ErrorCode SetLocalCharFeatures(host::TextRangeHandle range,
                                     host::CharFeaturesHandle features) {
  return RunOperation("TextRange.SetLocalCharFeatures", [&](Emulator::State& state) {
    Art* frame = RangeFrame(state, range);
    const CharFeaturesRecord* record = state.text.features.Find(features);
    if (frame == nullptr || record == nullptr)
      return kBadHandle;
    if (const TextEngineFontRecord* font = state.text.engineFonts.Find(record->font)) {
      frame->text.requestedFont = font->name;
      frame->text.font = font->font;
    }
    if (record->size)
      frame->text.size = *record->size;
    Remeasure(state, frame->text);
    return host::kNoError;
  });
}

host::ErrorCode Initialize(host::CharFeaturesHandle* features) {
  return RunOperation("CharFeatures.Initialize", [&](Emulator::State& state) {
    if (features == nullptr)
      return kBadParameter;
    *features = state.text.features.Add(std::make_unique<CharFeaturesRecord>());
    return host::kNoError;
  });
}

host::ErrorCode FeaturesAddRef(host::CharFeaturesHandle features) {
  return RunOperation("CharFeatures.AddRef",
                      [&](Emulator::State& state) { return state.text.Retain(features); });
}

host::ErrorCode FeaturesRelease(host::CharFeaturesHandle features) {
  return RunOperation("CharFeatures.Release",
                      [&](Emulator::State& state) { return state.text.Release(features); });
}

host::ErrorCode SetFont(host::CharFeaturesHandle features, host::TextEngineFontHandle font) {
  return RunOperation("CharFeatures.SetFont",
                      [&](Emulator::State& state) { return state.text.SetFont(features, font); });
}

host::ErrorCode SetFontSize(host::CharFeaturesHandle features, host::Real size) {
  return RunOperation("CharFeatures.SetFontSize", [&](Emulator::State& state) {
    CharFeaturesRecord* record = state.text.features.Find(features);
    if (record == nullptr)
      return kBadHandle;
    if (!std::isfinite(size) || size <= 0)
      return kBadParameter;
    record->size = size;
    return host::kNoError;
  });
}

host::ErrorCode FontAddRef(host::TextEngineFontHandle font) {
  return RunOperation("TextEngineFont.AddRef",
                      [&](Emulator::State& state) { return state.text.Retain(font); });
}

host::ErrorCode FontRelease(host::TextEngineFontHandle font) {
  return RunOperation("TextEngineFont.Release",
                      [&](Emulator::State& state) { return state.text.Release(font); });
}

}  // namespace

const host::TextRangeSuite kTextRangeSuite = {RangeAddRef, RangeRelease, InsertAfter,
                                              SetLocalCharFeatures};
const host::CharFeaturesSuite kCharFeaturesSuite = {Initialize, FeaturesAddRef, FeaturesRelease,
                                                    SetFont, SetFontSize};
const host::TextEngineFontSuite kTextEngineFontSuite = {FontAddRef, FontRelease};

}  // namespace emulator
