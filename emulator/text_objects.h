// The host's font keys and the text engine's reference-counted objects: text-engine fonts,
// character features and text ranges. An object lives until its last reference is released.
#pragma once

#include <optional>
#include <string>

#include "emulator/handle_table.h"
#include "emulator/resolved_font.h"
#include "host/error.h"
#include "host/fixed.h"
#include "host/handles.h"

namespace emulator {

// Font keys belong to the host and live as long as it does.
struct FontKeyRecord {
  std::string name;  // as the plug-in asked for it
  ResolvedFont font;
};

struct TextEngineFontRecord {
  int references = 1;
  std::string name;
  ResolvedFont font;
};

struct CharFeaturesRecord {
  int references = 1;
  host::TextEngineFontHandle font = nullptr;  // retained while set
  std::optional<host::Real> size;
};

struct TextRangeRecord {
  int references = 1;
  host::ArtHandle frame = nullptr;  // the whole text of this point-text frame
};

class TextObjects {
 public:
  HandleTable<host::FontKeyHandle, FontKeyRecord> fontKeys;
  HandleTable<host::TextEngineFontHandle, TextEngineFontRecord> engineFonts;
  HandleTable<host::CharFeaturesHandle, CharFeaturesRecord> features;
  HandleTable<host::TextRangeHandle, TextRangeRecord> ranges;

  host::ErrorCode Retain(host::TextEngineFontHandle font);
  host::ErrorCode Release(host::TextEngineFontHandle font);
  host::ErrorCode Retain(host::CharFeaturesHandle features);
  // The last release of character features also releases their font.
  host::ErrorCode Release(host::CharFeaturesHandle features);
  host::ErrorCode Retain(host::TextRangeHandle range);
  host::ErrorCode Release(host::TextRangeHandle range);

  // Sets the features' font, retaining it and releasing the one it replaces.
  host::ErrorCode SetFont(host::CharFeaturesHandle features, host::TextEngineFontHandle font);

  // Text-engine objects not yet released.
  int held() const { return engineFonts.size() + features.size() + ranges.size(); }
};

}  // namespace emulator
