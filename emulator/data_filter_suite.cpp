// Reading the plug-in's own resources through data filters.
#include <algorithm>
#include <cstring>

#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

// Resources are found by type and name; the id is not used.
host::ErrorCode OpenResource(host::PluginHandle /*plugin*/, uint32_t type, int32_t /*id*/,
                             const char* name, host::DataFilterHandle* filter) {
  return RunOperation("DataFilter.OpenResource", [&](Emulator::State& state) {
    if (name == nullptr || filter == nullptr)
      return kBadParameter;
    auto resource = state.resources.Find(type, name);
    if (!resource)
      return kNotFound;
    *filter = state.resources.filters.Add(
        std::make_unique<DataFilterRecord>(DataFilterRecord{std::move(resource), 0}));
    return host::kNoError;
  });
}

host::ErrorCode Read(host::DataFilterHandle handle, char* buffer, int32_t* count) {
  return RunOperation("DataFilter.Read", [&](Emulator::State& state) {
    if (count == nullptr || *count < 0 || (buffer == nullptr && *count > 0))
      return kBadParameter;
    DataFilterRecord* filter = state.resources.filters.Find(handle);
    if (filter == nullptr)
      return kBadHandle;
    const std::vector<uint8_t>& bytes = filter->resource->bytes;
    const size_t available = bytes.size() - filter->position;
    const size_t n = std::min(available, static_cast<size_t>(*count));
    if (n > 0)
      std::memcpy(buffer, bytes.data() + filter->position, n);
    filter->position += n;
    *count = static_cast<int32_t>(n);
    return host::kNoError;
  });
}

host::ErrorCode Close(host::DataFilterHandle filter) {
  return RunOperation("DataFilter.Close", [&](Emulator::State& state) {
    return state.resources.filters.Remove(filter) ? host::kNoError : kBadHandle;
  });
}

}  // namespace

const host::DataFilterSuite kDataFilterSuite = {OpenResource, Read, Close};

}  // namespace emulator
