#include "panels/win32/registry_store.h"

#include <array>
#include <string>

#include "panels/settings_record.h"
#include "panels/win32/control_values.h"

namespace panels {

RegistryStore::RegistryStore(const char* path, Access access) {
  const std::wstring key = Wide(path);
  HKEY opened = nullptr;
  LSTATUS status = ERROR_SUCCESS;
  if (access == Access::kRead) {
    status = RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened);
  } else {
    status = RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &opened, nullptr);
  }
  if (status == ERROR_SUCCESS)
    key_ = opened;
}

RegistryStore::~RegistryStore() {
  if (key_ != nullptr)
    RegCloseKey(key_);
}

std::optional<size_t> RegistryStore::ReadBinary(const char* name, std::span<uint8_t> buffer) const {
  if (key_ == nullptr)
    return std::nullopt;
  DWORD type = REG_NONE;
  DWORD size = static_cast<DWORD>(buffer.size());
  // A value larger than the buffer answers ERROR_MORE_DATA and counts as missing.
  if (RegQueryValueExW(key_, Wide(name).c_str(), nullptr, &type, buffer.data(), &size) !=
          ERROR_SUCCESS ||
      type != REG_BINARY) {
    return std::nullopt;
  }
  return size;
}

bool RegistryStore::WriteBinary(const char* name, std::span<const uint8_t> bytes) {
  return key_ != nullptr && RegSetValueExW(key_, Wide(name).c_str(), 0, REG_BINARY, bytes.data(),
                                           static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool HasCurrentVersion(const RegistryStore& store) {
  std::array<uint8_t, kSettingsVersion.size()> value{};
  const std::optional<size_t> size = store.ReadBinary(kVersionValueName, value);
  return size && IsCurrentVersion(std::span<const uint8_t>(value.data(), *size));
}

std::string ReadStoredReduction(const RegistryStore& store, std::string_view recordName) {
  BarWidthReductionValue value{};
  const std::optional<size_t> size =
      store.ReadBinary(BarWidthReductionName(recordName).c_str(), value);
  if (!size)
    return DecodeBarWidthReduction(std::nullopt);
  return DecodeBarWidthReduction(std::span<const uint8_t>(value.data(), *size));
}

void WriteStoredReduction(RegistryStore& store, std::string_view recordName,
                          std::string_view text) {
  store.WriteBinary(BarWidthReductionName(recordName).c_str(), EncodeBarWidthReduction(text));
}

}  // namespace panels
