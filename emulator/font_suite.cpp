// Font lookup by name and the text-engine fonts made from font keys.
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

// The lookup and script codes are the host's own; the emulator looks fonts up by name alone.
// Keys are kept by the host, so finding the same name again gives the same key.
host::ErrorCode FindFont(const char* name, int32_t /*lookup*/, int32_t /*script*/,
                         int32_t substitute, host::FontKeyHandle* font) {
  return RunOperation("Font.FindFont", [&](Emulator::State& state) {
    if (name == nullptr || font == nullptr)
      return kBadParameter;
    const auto resolved = state.fonts.Resolve(name, substitute != 0);
    if (!resolved)
      return kNotFound;
    auto& keys = state.text.fontKeys;
    for (const auto& key : keys.records()) {
      if (key->name == name && key->font.file == resolved->file) {
        *font = keys.HandleOf(key.get());
        return host::kNoError;
      }
    }
    *font = keys.Add(std::make_unique<FontKeyRecord>(FontKeyRecord{name, *resolved}));
    return host::kNoError;
  });
}

host::ErrorCode FontKeyToTextEngineFont(host::FontKeyHandle font,
                                        host::TextEngineFontHandle* engineFont) {
  return RunOperation("Font.FontKeyToTextEngineFont", [&](Emulator::State& state) {
    if (engineFont == nullptr)
      return kBadParameter;
    const FontKeyRecord* key = state.text.fontKeys.Find(font);
    if (key == nullptr)
      return kBadHandle;
    *engineFont = state.text.engineFonts.Add(
        std::make_unique<TextEngineFontRecord>(TextEngineFontRecord{1, key->name, key->font}));
    return host::kNoError;
  });
}

}  // namespace

const host::FontSuite kFontSuite = {FindFont, FontKeyToTextEngineFont};

}  // namespace emulator
