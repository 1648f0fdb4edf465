// A key of the current user's registry hive holding binary values: the panels keep their
// settings there. The key is opened for reading or created (or opened) for writing, and closed
// when the object goes. Failures are quiet: a key that could not be opened reads nothing and
// writes nothing, so that the panels fall back to their defaults.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

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

}  // namespace panels
