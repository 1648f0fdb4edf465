#include "panels/win32/settings_version.h"

#include <array>

#include "panels/settings_record.h"

namespace panels {

bool HasCurrentVersion(const RegistryStore& store) {
  std::array<uint8_t, kSettingsVersion.size()> value{};
  const std::optional<size_t> size = store.ReadBinary(kVersionValueName, value);
  return size && IsCurrentVersion(std::span<const uint8_t>(value.data(), *size));
}

}  // namespace panels
