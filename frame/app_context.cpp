#include "frame/app_context.h"

#include "host/suite_pointers.h"

namespace frame {

AppContext::AppContext(host::PluginHandle plugin)
    : result_(host::sContext->PushAppContext(plugin, &context_)) {}

AppContext::~AppContext() {
  if (result_ == host::kNoError)
    host::sContext->PopAppContext(context_);
}

}  // namespace frame
