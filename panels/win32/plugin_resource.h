// Reads one of the plug-in's own resources (the panel icon, the button bitmaps) through the
// host's data filter suite, which is acquired for the read and released after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "host/error.h"
#include "host/handles.h"

namespace panels {

// A resource that does not fit the buffer it is read into.
inline constexpr host::ErrorCode kResourceTooLarge = host::FourCharCode("RSZ!");

// Resource types, as four-character codes.
inline constexpr uint32_t kPngResource = static_cast<uint32_t>(host::FourCharCode("PNGI"));
inline constexpr uint32_t kBmpResource = static_cast<uint32_t>(host::FourCharCode("BMPI"));

// Reads the resource into the buffer in chunks of `chunk` bytes until a read returns fewer;
// `size` receives the bytes read. A resource larger than the buffer fails with
// kResourceTooLarge. Names compare without regard to case.
host::ErrorCode ReadPluginResource(host::PluginHandle plugin, uint32_t type, const char* name,
                                   size_t chunk, std::span<char> buffer, size_t& size);

}  // namespace panels
