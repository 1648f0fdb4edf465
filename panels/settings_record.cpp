#include "panels/settings_record.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/symbol_records.h"
#include "panels/length_field.h"

namespace panels {
namespace {

constexpr size_t kTextSlotSize = kSettingsTextLength + 1;

// Offsets in the record.
constexpr size_t kTextsOffset = 0;
constexpr size_t kShowTextOffset = 52;
constexpr size_t kShowCompositeTextOffset = 68;
constexpr size_t kTextAsOutlinesOffset = 56;  // DataBar
constexpr size_t kFitTextOffset = 60;         // DataBar
constexpr size_t kTextAsFrameOffset = 64;     // DataBar
constexpr size_t kSegmentsOffset = 48;        // Expanded

constexpr char kBarWidthReductionSuffix[] = "BWR";

bool IsUtf8Continuation(char c) {
  return (static_cast<uint8_t>(c) & 0xC0) == 0x80;
}

// At most kSettingsTextLength bytes of `text`, cut before a character that would not fit whole.
std::string_view StoredText(std::string_view text) {
  if (text.size() <= kSettingsTextLength) {
    return text;
  }
  size_t length = kSettingsTextLength;
  while (length > 0 && IsUtf8Continuation(text[length])) {
    --length;
  }
  return text.substr(0, length);
}

void WriteText(SettingsRecord& record, size_t slot, std::string_view text) {
  const std::string_view stored = StoredText(text);
  std::memcpy(record.data() + kTextsOffset + slot * kTextSlotSize, stored.data(), stored.size());
}

void WriteInt32(std::span<uint8_t, 4> out, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) {
    out[i] = static_cast<uint8_t>(bits >> (8 * i));
  }
}

void WriteState(SettingsRecord& record, size_t offset, bool on) {
  WriteInt32(std::span<uint8_t, 4>(record.data() + offset, 4), on ? 1 : 0);
}

int32_t ReadInt32(std::span<const uint8_t> bytes, size_t offset) {
  uint32_t bits = 0;
  for (size_t i = 0; i < 4; ++i) {
    bits |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
  }
  return static_cast<int32_t>(bits);
}

// Reads a record's text slots and 0/1 states; `valid` turns false on the first one that is not
// well formed.
class RecordReader {
 public:
  explicit RecordReader(std::span<const uint8_t> record) : record_(record) {}

  bool valid() const { return valid_; }

  std::string Text(size_t slot) {
    const auto* begin = record_.data() + kTextsOffset + slot * kTextSlotSize;
    const auto* end = std::find(begin, begin + kTextSlotSize, 0);
    valid_ = valid_ && end != begin + kTextSlotSize;
    return std::string(begin, end);
  }

  bool State(size_t offset) {
    const int32_t value = ReadInt32(record_, offset);
    valid_ = valid_ && (value == 0 || value == 1);
    return value == 1;
  }

 private:
  std::span<const uint8_t> record_;
  bool valid_ = true;
};

}  // namespace

SettingsRecord EncodeDataBarSettings(const DataBarSettings& settings) {
  SettingsRecord record{};
  for (size_t slot = 0; slot < settings.lengths.size(); ++slot) {
    WriteText(record, slot, settings.lengths[slot]);
  }
  WriteState(record, kShowTextOffset, settings.showText);
  WriteState(record, kTextAsOutlinesOffset, settings.textAsOutlines);
  WriteState(record, kFitTextOffset, settings.fitText);
  WriteState(record, kTextAsFrameOffset, settings.textAsFrame);
  WriteState(record, kShowCompositeTextOffset, settings.showCompositeText);
  return record;
}

SettingsRecord EncodeExpandedSettings(const ExpandedSettings& settings) {
  SettingsRecord record{};
  for (size_t slot = 0; slot < settings.lengths.size(); ++slot) {
    WriteText(record, slot, settings.lengths[slot]);
  }
  WriteInt32(std::span<uint8_t, 4>(record.data() + kSegmentsOffset, 4), settings.segmentsEntry);
  WriteState(record, kShowTextOffset, settings.showText);
  WriteState(record, kShowCompositeTextOffset, settings.showCompositeText);
  return record;
}

std::optional<DataBarSettings> DecodeDataBarSettings(std::span<const uint8_t> record) {
  if (record.size() != kSettingsRecordSize) {
    return std::nullopt;
  }
  RecordReader reader(record);
  DataBarSettings settings;
  for (size_t slot = 0; slot < settings.lengths.size(); ++slot) {
    settings.lengths[slot] = reader.Text(slot);
  }
  settings.showText = reader.State(kShowTextOffset);
  settings.textAsOutlines = reader.State(kTextAsOutlinesOffset);
  settings.fitText = reader.State(kFitTextOffset);
  settings.textAsFrame = reader.State(kTextAsFrameOffset);
  settings.showCompositeText = reader.State(kShowCompositeTextOffset);
  // The two text forms are radio buttons: exactly one of them is on.
  if (!reader.valid() || settings.textAsOutlines == settings.textAsFrame) {
    return std::nullopt;
  }
  return settings;
}

std::optional<ExpandedSettings> DecodeExpandedSettings(std::span<const uint8_t> record) {
  if (record.size() != kSettingsRecordSize) {
    return std::nullopt;
  }
  RecordReader reader(record);
  ExpandedSettings settings;
  for (size_t slot = 0; slot < settings.lengths.size(); ++slot) {
    settings.lengths[slot] = reader.Text(slot);
  }
  settings.segmentsEntry = ReadInt32(record, kSegmentsOffset);
  settings.showText = reader.State(kShowTextOffset);
  settings.showCompositeText = reader.State(kShowCompositeTextOffset);
  if (!reader.valid() || settings.segmentsEntry < 0 ||
      settings.segmentsEntry >= kSegmentsEntryCount) {
    return std::nullopt;
  }
  return settings;
}

std::span<const uint8_t> VersionValue() {
  return {reinterpret_cast<const uint8_t*>(kSettingsVersion.data()), kSettingsVersion.size()};
}

bool IsCurrentVersion(std::span<const uint8_t> value) {
  return std::ranges::equal(value, VersionValue());
}

StoredType EncodeStoredType(int32_t type) {
  StoredType value{};
  WriteInt32(value, type);
  return value;
}

int32_t DecodeStoredType(std::span<const uint8_t> value) {
  if (value.size() != sizeof(int32_t)) {
    return databar::kOmnidirectional;
  }
  const int32_t type = ReadInt32(value, 0);
  return type >= databar::kOmnidirectional && type <= databar::kLimited ? type
                                                                        : databar::kOmnidirectional;
}

std::string DataBarRecordName(int32_t type) {
  char name[16];
  std::snprintf(name, sizeof name, kDataBarRecordNameFormat, static_cast<int>(type));
  return name;
}

std::string BarWidthReductionName(std::string_view recordName) {
  return std::string(recordName) + kBarWidthReductionSuffix;
}

BarWidthReductionValue EncodeBarWidthReduction(std::string_view text) {
  BarWidthReductionValue value{};
  const std::string_view stored = StoredText(text);
  std::memcpy(value.data(), stored.data(), stored.size());
  return value;
}

std::string DecodeBarWidthReduction(std::optional<std::span<const uint8_t>> value) {
  if (!value || value->size() != BarWidthReductionValue().size())
    return kNoBarWidthReduction;
  const auto end = std::find(value->begin(), value->end(), 0);
  if (end == value->end())
    return kNoBarWidthReduction;
  return std::string(value->begin(), end);
}

}  // namespace panels
