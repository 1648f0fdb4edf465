// What the plug-in supplies to the frame: its object, the fix-up after the host reloaded its code,
// and the three panels the product's object builds. The frame reaches the panels only through
// these declarations and frame::Panel; the panels' Win32 views define the three factories.
#pragma once

#include <memory>

#include "frame/panel.h"
#include "host/handles.h"

namespace frame {

class Plugin;

// Allocates the plug-in's object for the host reference; null when out of memory.
Plugin* CreatePlugin(host::PluginHandle self);

// Re-establishes the dispatch table of the existing object after the host reloaded the
// plug-in's code, keeping its fields.
void FixUpPlugin(Plugin* plugin);

// The product's panels, each built for the menu item that toggles it; null when out of memory.
std::unique_ptr<Panel> MakeMedical128Panel(host::PluginHandle plugin,
                                           host::MenuItemHandle menuItem);
std::unique_ptr<Panel> MakeDataBarPanel(host::PluginHandle plugin, host::MenuItemHandle menuItem);
std::unique_ptr<Panel> MakeExpandedPanel(host::PluginHandle plugin, host::MenuItemHandle menuItem);

}  // namespace frame
