#include "panels/win32/plugin_resource.h"

#include <algorithm>

#include "host/suite_pointers.h"
#include "host/suites.h"

namespace panels {

namespace {

// The data filter suite, held while the object lives.
class DataFilterSuite {
 public:
  DataFilterSuite() {
    const void* suite = nullptr;
    if (host::sBasic == nullptr)
      return;
    result_ = host::sBasic->AcquireSuite(host::DataFilterSuite::kName,
                                         host::DataFilterSuite::kVersion, &suite);
    if (result_ == host::kNoError)
      suite_ = static_cast<const host::DataFilterSuite*>(suite);
  }
  ~DataFilterSuite() {
    if (suite_ != nullptr)
      host::sBasic->ReleaseSuite(host::DataFilterSuite::kName, host::DataFilterSuite::kVersion);
  }
  DataFilterSuite(const DataFilterSuite&) = delete;
  DataFilterSuite& operator=(const DataFilterSuite&) = delete;

  host::ErrorCode result() const { return result_; }
  const host::DataFilterSuite* operator->() const { return suite_; }

 private:
  const host::DataFilterSuite* suite_ = nullptr;
  host::ErrorCode result_ = host::FourCharCode("S!Fd");
};

host::ErrorCode ReadAll(const DataFilterSuite& filters, host::DataFilterHandle filter, size_t chunk,
                        std::span<char> buffer, size_t& size) {
  for (;;) {
    const size_t room = std::min(chunk, buffer.size() - size);
    if (room == 0) {
      // The buffer is full: the resource fits only if nothing follows.
      char probe = 0;
      int32_t count = 1;
      const host::ErrorCode error = filters->Read(filter, &probe, &count);
      if (error != host::kNoError)
        return error;
      return count == 0 ? host::kNoError : kResourceTooLarge;
    }
    int32_t count = static_cast<int32_t>(room);
    const host::ErrorCode error = filters->Read(filter, buffer.data() + size, &count);
    if (error != host::kNoError)
      return error;
    const auto read =
        static_cast<size_t>(std::clamp<int32_t>(count, 0, static_cast<int32_t>(room)));
    size += read;
    if (read < room)
      return host::kNoError;
  }
}

}  // namespace

host::ErrorCode ReadPluginResource(host::PluginHandle plugin, uint32_t type, const char* name,
                                   size_t chunk, std::span<char> buffer, size_t& size) {
  size = 0;
  const DataFilterSuite filters;
  if (filters.result() != host::kNoError)
    return filters.result();
  host::DataFilterHandle filter = nullptr;
  host::ErrorCode error = filters->OpenResource(plugin, type, 0, name, &filter);
  if (error != host::kNoError)
    return error;
  error = ReadAll(filters, filter, chunk, buffer, size);
  const host::ErrorCode closed = filters->Close(filter);
  return error != host::kNoError ? error : closed;
}

}  // namespace panels
