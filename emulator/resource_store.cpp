#include "emulator/resource_store.h"

#include <algorithm>

namespace emulator {

namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

void ResourceStore::Add(uint32_t type, std::string_view name, std::vector<uint8_t> bytes) {
  auto resource =
      std::make_shared<const Resource>(Resource{type, std::string(name), std::move(bytes)});
  const auto same = std::find_if(resources_.begin(), resources_.end(), [&](const auto& existing) {
    return existing->type == type && SameName(existing->name, name);
  });
  if (same != resources_.end()) {
    *same = std::move(resource);
  } else {
    resources_.push_back(std::move(resource));
  }
}

std::shared_ptr<const Resource> ResourceStore::Find(uint32_t type, std::string_view name) const {
  for (const auto& resource : resources_) {
    if (resource->type == type && SameName(resource->name, name))
      return resource;
  }
  return nullptr;
}

}  // namespace emulator
