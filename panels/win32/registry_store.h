// Where the panels keep their settings: a key of the current user's registry hive holding binary
// values, and what the DataBar panels keep beside their settings records in it (the version
// marker and the bar width reduction). The key is opened for reading or created (or opened) for
// writing, and closed when the object goes. Failures are quiet: a key that could not be opened
// reads nothing and writes nothing, so that the panels fall back to their defaults.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace panels {

class RegistryStore {
 public:
  enum class Access { kRead, kWrite };

  // `path` is the key's path under HKEY_CURRENT_USER, UTF-8.
  RegistryStore(const char* path, Access access);
  ~RegistryStore();
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  bool isOpen() const { return key_ != nullptr; }

  // Reads the binary value into the buffer; the number of bytes read, or nothing when the key is
  // not open, the value is missing, is not binary or is larger than the buffer.
  std::optional<size_t> ReadBinary(const char* name, std::span<uint8_t> buffer) const;
  // Writes the bytes as a binary value; false when the key is not open or the write failed.
  bool WriteBinary(const char* name, std::span<const uint8_t> bytes);

 private:
  HKEY key_ = nullptr;
};

// The key holds "version" with exactly the marker this program writes: a key without it holds
// nothing this program can read, and the panel opens with its defaults.
bool HasCurrentVersion(const RegistryStore& store);

// The bar width reduction is kept in a value of its own beside a settings record, so that the
// records keep the layout earlier versions wrote. Its text; no reduction when the value is
// missing, as beside a record an earlier version wrote, or is not one this program writes.
std::string ReadStoredReduction(const RegistryStore& store, std::string_view recordName);
void WriteStoredReduction(RegistryStore& store, std::string_view recordName, std::string_view text);

}  // namespace panels
