// The GS1 DataBar panel's settings store: per type, the six length texts and the five text
// options in a 72-byte record under the current user's key, and the bar width reduction in a
// value beside it, with the version marker and the last chosen type beside them. A key, version or
// record this program cannot have written reads as the defaults; a failed write leaves what was
// stored.
#include <optional>
#include <span>

#include "panels/settings_record.h"
#include "panels/win32/databar_panel.h"
#include "panels/win32/registry_store.h"

namespace panels {

namespace {

std::optional<DataBarSettings> ReadRecord(const RegistryStore& store, int32_t type) {
  SettingsRecord record{};
  const std::optional<size_t> size = store.ReadBinary(DataBarRecordName(type).c_str(), record);
  if (!size)
    return std::nullopt;
  return DecodeDataBarSettings(std::span<const uint8_t>(record.data(), *size));
}

}  // namespace

void DataBarPanel::LoadSettings() {
  LoadSettings(kStoredType);
  SendMessageW(typeList_, CB_SETCURSEL, currentType_, 0);
  RefreshMinimums();
  UpdateOptionStates();
}

void DataBarPanel::LoadSettings(int32_t type) {
  std::optional<DataBarSettings> settings;
  std::string barWidthReduction;
  {
    const RegistryStore store(kDataBarSettingsKey, RegistryStore::Access::kRead);
    if (HasCurrentVersion(store)) {
      if (type == kStoredType) {
        StoredType value{};
        const std::optional<size_t> size = store.ReadBinary(kTypeValueName, value);
        currentType_ = size ? DecodeStoredType(std::span<const uint8_t>(value.data(), *size))
                            : databar::kOmnidirectional;
        type = currentType_;
      }
      settings = ReadRecord(store, type);
      barWidthReduction = ReadStoredReduction(store, DataBarRecordName(type));
    }
  }
  if (!settings) {
    ApplyDefaults();
    return;
  }
  DataBarForm form = ReadForm();
  for (size_t slot = 0; slot < settings->lengths.size(); ++slot)
    form.lengths.*kLengthRows[slot].text = settings->lengths[slot];
  form.lengths.barWidthReduction = barWidthReduction;
  form.showText = settings->showText;
  form.textAsOutlines = settings->textAsOutlines;
  form.fitText = settings->fitText;
  form.textAsFrame = settings->textAsFrame;
  form.showCompositeText = settings->showCompositeText;
  lengths_.WriteLengths(form.lengths);
  WriteOptions(form);
}

void DataBarPanel::SaveSettings(int32_t type) {
  RegistryStore store(kDataBarSettingsKey, RegistryStore::Access::kWrite);
  if (!store.isOpen())
    return;
  const DataBarForm form = ReadForm();
  DataBarSettings settings;
  for (size_t slot = 0; slot < settings.lengths.size(); ++slot)
    settings.lengths[slot] = form.lengths.*kLengthRows[slot].text;
  settings.showText = form.showText;
  settings.textAsOutlines = form.textAsOutlines;
  settings.fitText = form.fitText;
  settings.textAsFrame = form.textAsFrame;
  settings.showCompositeText = form.showCompositeText;
  store.WriteBinary(kVersionValueName, VersionValue());
  store.WriteBinary(DataBarRecordName(type).c_str(), EncodeDataBarSettings(settings));
  WriteStoredReduction(store, DataBarRecordName(type), form.lengths.barWidthReduction);
}

void DataBarPanel::SaveType(int32_t type) {
  RegistryStore store(kDataBarSettingsKey, RegistryStore::Access::kWrite);
  if (!store.isOpen())
    return;
  store.WriteBinary(kVersionValueName, VersionValue());
  store.WriteBinary(kTypeValueName, EncodeStoredType(type));
}

}  // namespace panels
