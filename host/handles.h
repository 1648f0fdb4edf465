// Opaque handles the host hands out. Each names a distinct incomplete type so that handles of
// different kinds cannot be mixed up.
#pragma once

namespace host {

#define BARQUILL_HOST_HANDLE(Name) \
  struct Name##Object;             \
  using Name##Handle = Name##Object*;

BARQUILL_HOST_HANDLE(Plugin)
BARQUILL_HOST_HANDLE(Access)
BARQUILL_HOST_HANDLE(Notifier)
BARQUILL_HOST_HANDLE(AppContext)
BARQUILL_HOST_HANDLE(Art)
BARQUILL_HOST_HANDLE(Layer)
BARQUILL_HOST_HANDLE(DocumentView)
BARQUILL_HOST_HANDLE(UnicodeString)
BARQUILL_HOST_HANDLE(MenuItem)
BARQUILL_HOST_HANDLE(MenuGroup)
BARQUILL_HOST_HANDLE(Panel)
BARQUILL_HOST_HANDLE(FlyoutMenu)
BARQUILL_HOST_HANDLE(DataFilter)
BARQUILL_HOST_HANDLE(FontKey)
BARQUILL_HOST_HANDLE(TextEngineFont)
BARQUILL_HOST_HANDLE(TextRange)
BARQUILL_HOST_HANDLE(CharFeatures)

#undef BARQUILL_HOST_HANDLE

// The platform window of a host panel (a window handle on Windows).
using PlatformWindow = void*;

}  // namespace host
