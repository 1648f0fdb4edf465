// The registry values of the two DataBar panels, read from any bytes of any size: a record is
// refused or decoded, and a decoded record encodes back to the same bytes, apart from those that
// readers ignore (after each text's NUL and the unused fields). Settings built from the input
// encode into a record that decodes to them, texts cut to what a slot holds.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/symbol_records.h"
#include "fuzz/check.h"
#include "panels/settings_record.h"

namespace {

using panels::SettingsRecord;

constexpr size_t kSlotSize = panels::kSettingsTextLength + 1;

// The bytes of a record that readers look at; every other byte zero, as the encoders write it.
SettingsRecord Canonical(std::span<const uint8_t> bytes, size_t textSlots,
                         std::initializer_list<size_t> wordOffsets) {
  SettingsRecord record{};
  for (size_t slot = 0; slot < textSlots; ++slot) {
    const uint8_t* text = bytes.data() + slot * kSlotSize;
    std::copy(text, std::find(text, text + kSlotSize, 0), record.data() + slot * kSlotSize);
  }
  for (const size_t offset : wordOffsets)
    std::copy_n(bytes.data() + offset, 4, record.data() + offset);
  return record;
}

bool SameTexts(const auto& a, const auto& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

bool Same(const panels::DataBarSettings& a, const panels::DataBarSettings& b) {
  return SameTexts(a.lengths, b.lengths) && a.showText == b.showText &&
         a.textAsOutlines == b.textAsOutlines && a.fitText == b.fitText &&
         a.textAsFrame == b.textAsFrame && a.showCompositeText == b.showCompositeText;
}

bool Same(const panels::ExpandedSettings& a, const panels::ExpandedSettings& b) {
  return SameTexts(a.lengths, b.lengths) && a.segmentsEntry == b.segmentsEntry &&
         a.showText == b.showText && a.showCompositeText == b.showCompositeText;
}

void CheckDecoders(std::span<const uint8_t> bytes) {
  if (const auto settings = panels::DecodeDataBarSettings(bytes)) {
    FUZZ_CHECK(bytes.size() == panels::kSettingsRecordSize);
    const SettingsRecord encoded = panels::EncodeDataBarSettings(*settings);
    FUZZ_CHECK(encoded == Canonical(bytes, 6, {52, 56, 60, 64, 68}));
    const auto again = panels::DecodeDataBarSettings(encoded);
    FUZZ_CHECK(again && Same(*again, *settings));
  }
  if (const auto settings = panels::DecodeExpandedSettings(bytes)) {
    FUZZ_CHECK(bytes.size() == panels::kSettingsRecordSize);
    const SettingsRecord encoded = panels::EncodeExpandedSettings(*settings);
    FUZZ_CHECK(encoded == Canonical(bytes, 5, {48, 52, 68}));
    const auto again = panels::DecodeExpandedSettings(encoded);
    FUZZ_CHECK(again && Same(*again, *settings));
  }
  const int32_t type = panels::DecodeStoredType(bytes);
  FUZZ_CHECK(type >= databar::kOmnidirectional && type <= databar::kLimited);
  if (panels::IsCurrentVersion(bytes))
    FUZZ_CHECK(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()) ==
               panels::kSettingsVersion);
}

// A text as a slot keeps it: a prefix of at most 7 bytes, all of it up to its first NUL when that
// fits.
bool IsStoredFormOf(const std::string& stored, std::string_view text) {
  const std::string_view visible = text.substr(0, text.find('\0'));
  return stored.size() <= panels::kSettingsTextLength && visible.starts_with(stored) &&
         (visible.size() > panels::kSettingsTextLength || stored == visible);
}

void CheckEncoders(std::span<const uint8_t> bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const uint8_t flags = bytes.empty() ? 0 : bytes[0];
  panels::DataBarSettings dataBar;
  panels::ExpandedSettings expanded;
  for (size_t i = 0; i < dataBar.lengths.size(); ++i)
    dataBar.lengths[i] = text.substr(std::min(text.size(), 3 * i), 3 * i + 1);
  for (size_t i = 0; i < expanded.lengths.size(); ++i)
    expanded.lengths[i] = dataBar.lengths[i + 1];
  dataBar.showText = expanded.showText = (flags & 1) != 0;
  dataBar.fitText = expanded.showCompositeText = (flags & 2) != 0;
  dataBar.textAsOutlines = (flags & 4) != 0;
  dataBar.textAsFrame = !dataBar.textAsOutlines;
  dataBar.showCompositeText = (flags & 8) != 0;
  expanded.segmentsEntry = flags % panels::kSegmentsEntryCount;

  const auto decodedDataBar = panels::DecodeDataBarSettings(panels::EncodeDataBarSettings(dataBar));
  FUZZ_CHECK(decodedDataBar.has_value());
  for (size_t i = 0; i < dataBar.lengths.size(); ++i)
    FUZZ_CHECK(IsStoredFormOf(decodedDataBar->lengths[i], dataBar.lengths[i]));
  const auto decodedExpanded =
      panels::DecodeExpandedSettings(panels::EncodeExpandedSettings(expanded));
  FUZZ_CHECK(decodedExpanded.has_value());
  FUZZ_CHECK(decodedExpanded->segmentsEntry == expanded.segmentsEntry);
  for (size_t i = 0; i < expanded.lengths.size(); ++i)
    FUZZ_CHECK(IsStoredFormOf(decodedExpanded->lengths[i], expanded.lengths[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  CheckDecoders(bytes);
  CheckEncoders(bytes);
  return 0;
}
