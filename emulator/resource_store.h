// The plug-in's own resources and the data filters open on them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/handle_table.h"
#include "host/handles.h"

namespace emulator {

struct Resource {
  uint32_t type = 0;
  std::string name;
  std::vector<uint8_t> bytes;
};

struct DataFilterRecord {
  std::shared_ptr<const Resource> resource;
  size_t position = 0;  // bytes read so far
};

class ResourceStore {
 public:
  // Adds the resource, replacing one of the same type and name.
  void Add(uint32_t type, std::string_view name, std::vector<uint8_t> bytes);
  // Names compare without regard to case. Null when there is no such resource.
  std::shared_ptr<const Resource> Find(uint32_t type, std::string_view name) const;

  HandleTable<host::DataFilterHandle, DataFilterRecord> filters;

 private:
  std::vector<std::shared_ptr<const Resource>> resources_;
};

}  // namespace emulator
