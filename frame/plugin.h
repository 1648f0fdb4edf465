// The plug-in frame: the Plugin base class receives every host message after PluginMain, holds
// the host suites while the plug-in runs and routes each message to an overridable operation.
// The virtual operations are declared in their dispatch-slot order.
//
// frame/ holds the export (plugin_main), this base class with the suites it holds (plugin.cpp)
// and its message dispatch (plugin_dispatch.cpp), the plug-in's object with its menu and panels
// (veltra_plugin; veltra_factory.cpp builds it in the product), the interface it reaches the
// panels through (panel.h, and plugin_factory.h, which declares what the plug-in supplies), the
// application context (app_context.h) and which failures are reported (error_report).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "frame/error_report.h"
#include "host/error.h"
#include "host/handles.h"
#include "host/messages.h"

namespace frame {

class SuiteHolder;

// Notifier types the frame and the plug-in register for.
inline constexpr const char* kAppStartedNotifier = "AI Application Started Notifier";
inline constexpr const char* kAppShutdownNotifier = "AI Application Shutdown Notifier";

class Plugin {
 public:
  explicit Plugin(host::PluginHandle self);
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  // Slots 0 to 17: lifecycle and framework hooks.
  virtual ~Plugin();
  virtual void ShowError(host::ErrorCode error, const char* caller, const char* selector,
                         void* message);
  virtual host::ErrorCode KeepLoaded(bool keep);
  virtual host::ErrorCode OnStartup(host::MessageData* message);
  virtual host::ErrorCode OnAppStarted(host::NotifierMessage*) { return host::kNoError; }
  virtual host::ErrorCode OnShutdown(host::MessageData* message);
  virtual host::ErrorCode OnUnload(host::MessageData* message);
  virtual host::ErrorCode OnReload(host::MessageData* message);
  virtual host::ErrorCode OnAcquireProperty(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnReleaseProperty(host::MessageData*) { return kUnhandled; }
  // Copies the name, zero-terminated and cut to fit, into the buffer; returns its full length.
  virtual size_t CopyName(char* buffer, size_t length) const;
  virtual bool OnPurge() { return false; }
  virtual host::ErrorCode Dispatch(const char* caller, const char* selector, void* message);
  virtual host::ErrorCode SetCurrentPlugin(Plugin*) { return host::kNoError; }
  virtual host::ErrorCode SetupTables() { return host::kNoError; }
  virtual host::ErrorCode FillTables() { return host::kNoError; }
  virtual host::ErrorCode EmptyTables() { return host::kNoError; }
  // The plug-in has no optional suites, so there is nothing to acquire late.
  virtual host::ErrorCode AcquireLateSuites() { return host::kNoError; }

  // Slots 18 to 56: one handler per caller and selector (see Dispatch). Unhandled messages answer
  // '!MSG', which reaches the host as 0.
  virtual host::ErrorCode OnNotify(host::NotifierMessage*) { return host::kNoError; }
  virtual host::ErrorCode OnAction(host::MessageData*) { return host::kNoError; }
  virtual host::ErrorCode OnMenuGo(host::MenuMessage*) { return kUnhandled; }
  virtual host::ErrorCode OnMenuUpdate(host::MenuMessage*) { return kUnhandled; }
  virtual host::ErrorCode OnFilterParameters(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnFilterGo(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnGroupNotifyEdits(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnGroupUpdate(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnFormatParameters(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnFormatGo(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnFormatCheck(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnFormatUpdate(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnFormatAction(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnToolOptions(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnToolTrackCursor(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnToolMouseDown(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnToolMouseDrag(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnToolMouseUp(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnToolSelect(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnToolDeselect(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnToolReselect(host::MessageData*) { return host::kNoError; }
  virtual host::ErrorCode OnToolDecreaseDiameter(host::MessageData*) { return host::kNoError; }
  virtual host::ErrorCode OnToolIncreaseDiameter(host::MessageData*) { return host::kNoError; }
  virtual host::ErrorCode OnEffectEditParameters(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnEffectGoLive(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnEffectInterpolate(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnEffectInputType(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnEffectConvertColorSpace(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnEffectScaleParameters(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnEffectAdjustColors(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnEffectHandleMerge(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnTimerGo(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnClipboardGo(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnClipboardCanCopy(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnClipboardClone(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnClipboardDispose(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnWorkspaceWrite(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnWorkspaceRestore(host::MessageData*) { return kUnhandled; }
  virtual host::ErrorCode OnWorkspaceDefault(host::MessageData*) { return kUnhandled; }

  // Shows a failed message's code to the user where the plug-in has a text for it. It has none:
  // the code reaches the host only as the result PluginMain returns.
  static void ReportError(host::ErrorCode error, host::PluginHandle plugin);

  host::PluginHandle self() const { return self_; }
  const char* name() const { return name_; }
  // False while unloaded: the host suites are released and messages are not dispatched.
  bool HasSuites() const { return suites_ != nullptr; }
  const ErrorReport& errorReport() const { return errorReport_; }

 protected:
  static constexpr host::ErrorCode kUnhandled = host::kUnhandledMessage;

  // Moves the fields of an object whose dispatch table is stale into a new object (the reload
  // fix-up); the source is left holding nothing.
  Plugin(Plugin&& other) noexcept;

  void SetName(const char* name);
  // Creates the suite holder if there is none and returns its acquisition result ('!MEM' when
  // it cannot be created); on failure the holder is destroyed again.
  host::ErrorCode AcquireSuites();

 private:
  static constexpr size_t kNameSize = 256;

  void ReleaseSuites();
  host::ErrorCode RegisterAppStartedNotifier();
  host::ErrorCode DispatchNotification(const char* selector, host::NotifierMessage* message);
  host::ErrorCode DispatchHandler(const char* caller, const char* selector, void* message);
  // Gives up the request to keep the plug-in loaded, whatever the lock count.
  host::ErrorCode ReleaseHold();

  host::PluginHandle self_;
  char name_[kNameSize];
  std::unique_ptr<SuiteHolder> suites_;
  int32_t lockCount_ = 0;
  host::AccessHandle access_ = nullptr;
  ErrorReport errorReport_;
};

}  // namespace frame
