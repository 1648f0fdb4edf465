// The GS1 DataBar Expanded panel's settings store: the five length texts, the segments per row
// and the two text options in one 72-byte record under the current user's key, the bar width
// reduction in a value beside it, and the version marker. A key, version or record this program
// cannot have written reads as the defaults; a failed write leaves what was stored.
#include <optional>
#include <span>

#include "panels/settings_record.h"
#include "panels/win32/expanded_panel.h"
#include "panels/win32/registry_store.h"

namespace panels {

namespace {

struct StoredSettings {
  ExpandedSettings settings;
  std::string barWidthReduction;
};

std::optional<StoredSettings> ReadStoredSettings() {
  const RegistryStore store(kExpandedSettingsKey, RegistryStore::Access::kRead);
  if (!HasCurrentVersion(store))
    return std::nullopt;
  SettingsRecord record{};
  const std::optional<size_t> size = store.ReadBinary(kExpandedRecordName, record);
  if (!size)
    return std::nullopt;
  const std::optional<ExpandedSettings> settings =
      DecodeExpandedSettings(std::span<const uint8_t>(record.data(), *size));
  if (!settings)
    return std::nullopt;
  return StoredSettings{*settings, ReadStoredReduction(store, kExpandedRecordName)};
}

}  // namespace

void ExpandedPanel::LoadSettings() {
  const std::optional<StoredSettings> stored = ReadStoredSettings();
  if (!stored) {
    ApplyDefaults();
  } else {
    const ExpandedSettings& settings = stored->settings;
    ExpandedForm form = ReadForm();
    for (size_t slot = 0; slot < settings.lengths.size(); ++slot)
      form.lengths.*kLengthRows[slot].text = settings.lengths[slot];
    form.lengths.barWidthReduction = stored->barWidthReduction;
    form.segmentsPerRow = SegmentsOfEntry(settings.segmentsEntry);
    form.showText = settings.showText;
    form.showCompositeText = settings.showCompositeText;
    lengths_.WriteLengths(form.lengths);
    WriteOptions(form);
  }
  RefreshMinimums();
}

void ExpandedPanel::SaveSettings() {
  RegistryStore store(kExpandedSettingsKey, RegistryStore::Access::kWrite);
  if (!store.isOpen())
    return;
  const ExpandedForm form = ReadForm();
  ExpandedSettings settings;
  for (size_t slot = 0; slot < settings.lengths.size(); ++slot)
    settings.lengths[slot] = form.lengths.*kLengthRows[slot].text;
  settings.segmentsEntry = static_cast<int32_t>(SendMessageW(segments_, CB_GETCURSEL, 0, 0));
  settings.showText = form.showText;
  settings.showCompositeText = form.showCompositeText;
  store.WriteBinary(kVersionValueName, VersionValue());
  store.WriteBinary(kExpandedRecordName, EncodeExpandedSettings(settings));
  WriteStoredReduction(store, kExpandedRecordName, form.lengths.barWidthReduction);
}

}  // namespace panels
