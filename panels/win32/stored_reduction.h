// The bar width reduction the DataBar panels keep in a registry value of its own beside a
// settings record, so that the records keep the layout earlier versions wrote.
#pragma once

#include <string>
#include <string_view>

#include "panels/win32/registry_store.h"

namespace panels {

// The reduction's text stored beside the record; no reduction when the value is missing, as
// beside a record an earlier version wrote, or is not one this program writes.
std::string ReadStoredReduction(const RegistryStore& store, std::string_view recordName);
void WriteStoredReduction(RegistryStore& store, std::string_view recordName, std::string_view text);

}  // namespace panels
