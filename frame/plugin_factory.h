// The two functions the plug-in supplies to the frame.
#pragma once

#include "host/handles.h"

namespace frame {

class Plugin;

// Allocates the plug-in's object for the host reference; null when out of memory.
Plugin* CreatePlugin(host::PluginHandle self);

// Re-establishes the dispatch table of the existing object after the host reloaded the
// plug-in's code, keeping its fields.
void FixUpPlugin(Plugin* plugin);

}  // namespace frame
