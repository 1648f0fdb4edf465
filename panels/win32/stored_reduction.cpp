#include "panels/win32/stored_reduction.h"

#include <optional>
#include <span>

#include "panels/settings_record.h"

namespace panels {

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
