// Routing of every host message that is not start-up, shut-down or reload to the Plugin
// operation for its caller and selector.
#include <cstring>

#include "frame/app_context.h"
#include "frame/plugin.h"

namespace frame {

namespace {

bool Is(const char* text, const char* expected) {
  return text != nullptr && std::strcmp(text, expected) == 0;
}

using Handler = host::ErrorCode (*)(Plugin& plugin, void* message);

// Calls a handler with the message record of its kind.
template <typename Message, host::ErrorCode (Plugin::*Operation)(Message*)>
host::ErrorCode Call(Plugin& plugin, void* message) {
  return (plugin.*Operation)(static_cast<Message*>(message));
}

struct HandlerEntry {
  const char* caller;
  const char* selector;
  Handler handler;
};

}  // namespace

host::ErrorCode Plugin::Dispatch(const char* caller, const char* selector, void* message) {
  AcquireLateSuites();
  if (Is(caller, "SP Access")) {
    if (Is(selector, "Unload"))
      return OnUnload(static_cast<host::MessageData*>(message));
    if (Is(selector, "Reload"))
      return OnReload(static_cast<host::MessageData*>(message));
    return kUnhandled;
  }
  if (Is(caller, "SP Interface")) {
    return Is(selector, "About") || Is(selector, "Startup") ? host::kNoError : kUnhandled;
  }
  if (Is(caller, "SP Cache")) {
    if (!Is(selector, "Plug-in Purge"))
      return kUnhandled;
    return OnPurge() ? host::kPurgedMemory : host::kNoError;
  }
  if (Is(caller, "SP Properties")) {
    if (Is(selector, "Acquire"))
      return OnAcquireProperty(static_cast<host::MessageData*>(message));
    if (Is(selector, "Release"))
      return OnReleaseProperty(static_cast<host::MessageData*>(message));
    return kUnhandled;
  }
  if (Is(caller, "AI Notifier")) {
    return DispatchNotification(selector, static_cast<host::NotifierMessage*>(message));
  }
  return DispatchHandler(caller, selector, message);
}

host::ErrorCode Plugin::DispatchNotification(const char* selector, host::NotifierMessage* message) {
  const AppContext context(self_);
  if (context.result() != host::kNoError)
    return context.result();
  host::ErrorCode result = kUnhandled;
  if (Is(message->type, kAppStartedNotifier))
    result = OnAppStarted(message);
  if ((result == host::kNoError || result == kUnhandled) && Is(selector, "AI Notify")) {
    result = OnNotify(message);
  }
  return result;
}

host::ErrorCode Plugin::DispatchHandler(const char* caller, const char* selector, void* message) {
  using host::MenuMessage;
  using host::MessageData;
  static constexpr HandlerEntry kHandlers[] = {
      {"Action Manager", "Do Action", Call<MessageData, &Plugin::OnAction>},
      {"AI Menu", "AI Go", Call<MenuMessage, &Plugin::OnMenuGo>},
      {"AI Menu", "AI Update", Call<MenuMessage, &Plugin::OnMenuUpdate>},
      {"AI Filter", "AI Get Parameters", Call<MessageData, &Plugin::OnFilterParameters>},
      {"AI Filter", "AI Go", Call<MessageData, &Plugin::OnFilterGo>},
      {"AI Plugin Group", "AI Notify Edits", Call<MessageData, &Plugin::OnGroupNotifyEdits>},
      {"AI Plugin Group", "AI Update", Call<MessageData, &Plugin::OnGroupUpdate>},
      {"AI File Format", "AI Get Parameters", Call<MessageData, &Plugin::OnFormatParameters>},
      {"AI File Format", "AI Go", Call<MessageData, &Plugin::OnFormatGo>},
      {"AI File Format", "AI Check", Call<MessageData, &Plugin::OnFormatCheck>},
      {"AI File Format", "AI Update AI140", Call<MessageData, &Plugin::OnFormatUpdate>},
      {"AI File Format", "Do Action", Call<MessageData, &Plugin::OnFormatAction>},
      {"AI Tool", "AI Edit Options", Call<MessageData, &Plugin::OnToolOptions>},
      {"AI Tool", "AI Track Cursor", Call<MessageData, &Plugin::OnToolTrackCursor>},
      {"AI Tool", "AI Mouse Down", Call<MessageData, &Plugin::OnToolMouseDown>},
      {"AI Tool", "AI Mouse Drag", Call<MessageData, &Plugin::OnToolMouseDrag>},
      {"AI Tool", "AI Mouse Up", Call<MessageData, &Plugin::OnToolMouseUp>},
      {"AI Tool", "AI Select", Call<MessageData, &Plugin::OnToolSelect>},
      {"AI Tool", "AI Deselect", Call<MessageData, &Plugin::OnToolDeselect>},
      {"AI Tool", "AI Reselect", Call<MessageData, &Plugin::OnToolReselect>},
      {"AI Tool", "AI Decrease Diameter", Call<MessageData, &Plugin::OnToolDecreaseDiameter>},
      {"AI Tool", "AI Increase Diameter", Call<MessageData, &Plugin::OnToolIncreaseDiameter>},
      {"AI Live Effect", "AI Live Effect Edit Parameters",
       Call<MessageData, &Plugin::OnEffectEditParameters>},
      {"AI Live Effect", "AI Live Effect Go Live", Call<MessageData, &Plugin::OnEffectGoLive>},
      {"AI Live Effect", "AI Live Effect Interpolate Parameters",
       Call<MessageData, &Plugin::OnEffectInterpolate>},
      {"AI Live Effect", "AI Live Effect Input Type",
       Call<MessageData, &Plugin::OnEffectInputType>},
      {"AI Live Effect", "AI Live Effect Convert Color Space",
       Call<MessageData, &Plugin::OnEffectConvertColorSpace>},
      {"AI Live Effect", "AI Live Effect Scale Parameters",
       Call<MessageData, &Plugin::OnEffectScaleParameters>},
      {"AI Live Effect", "AI Live Effect Adjust Colors",
       Call<MessageData, &Plugin::OnEffectAdjustColors>},
      {"AI Live Effect", "AI Live Effect Handle Merge",
       Call<MessageData, &Plugin::OnEffectHandleMerge>},
      {"AI Timer", "AI Go", Call<MessageData, &Plugin::OnTimerGo>},
      {"AI Clipboard", "AI Go", Call<MessageData, &Plugin::OnClipboardGo>},
      {"AI Clipboard", "AI Can Copy", Call<MessageData, &Plugin::OnClipboardCanCopy>},
      {"AI Clipboard", "AI Clone", Call<MessageData, &Plugin::OnClipboardClone>},
      {"AI Clipboard", "AI Dispose", Call<MessageData, &Plugin::OnClipboardDispose>},
      // The workspace selectors are spelt as the host sends them.
      {"Workspace Manager", "Write Woskspace", Call<MessageData, &Plugin::OnWorkspaceWrite>},
      {"Workspace Manager", "Restore Woskspace", Call<MessageData, &Plugin::OnWorkspaceRestore>},
      {"Workspace Manager", "Default Woskspace", Call<MessageData, &Plugin::OnWorkspaceDefault>},
  };
  for (const HandlerEntry& entry : kHandlers) {
    if (Is(caller, entry.caller) && Is(selector, entry.selector)) {
      return entry.handler(*this, message);
    }
  }
  return kUnhandled;
}

}  // namespace frame
