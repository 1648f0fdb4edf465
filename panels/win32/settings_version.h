// The version marker beside the DataBar panels' stored settings: a key without the marker this
// program writes holds nothing it can read, and the panel opens with its defaults.
#pragma once

#include "panels/win32/registry_store.h"

namespace panels {

// The key holds "version" with exactly the current marker.
bool HasCurrentVersion(const RegistryStore& store);

}  // namespace panels
