// An application context pushed for the plug-in for the lifetime of the object; the host expects
// work on the document to run inside one. Popped on destruction, also when an exception passes.
#pragma once

#include "host/error.h"
#include "host/handles.h"
#include "host/suite_pointers.h"

namespace frame {

class AppContext {
 public:
  explicit AppContext(host::PluginHandle plugin)
      : result_(host::sContext->PushAppContext(plugin, &context_)) {}
  ~AppContext() {
    if (result_ == host::kNoError)
      host::sContext->PopAppContext(context_);
  }
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  // The push's result; nothing is popped when it failed.
  host::ErrorCode result() const { return result_; }

 private:
  host::AppContextHandle context_ = nullptr;
  host::ErrorCode result_;
};

}  // namespace frame
