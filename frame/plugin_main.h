// The plug-in's one export: the host delivers every message through PluginMain.
#pragma once

#include "host/error.h"

#if defined(_WIN32)
#define BARQUILL_PLUGIN_EXPORT __declspec(dllexport)
#else
#define BARQUILL_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

namespace frame {

// The result of a message during which an exception other than a host error escaped.
inline constexpr host::ErrorCode kUnexpectedError = host::FourCharCode("!EXC");

}  // namespace frame

extern "C" BARQUILL_PLUGIN_EXPORT host::ErrorCode PluginMain(const char* caller,
                                                             const char* selector, void* message);
