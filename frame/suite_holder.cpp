#include "frame/suite_holder.h"

#include "host/suite_acquisition.h"
#include "host/suite_list.h"
#include "host/suite_pointers.h"

namespace frame {

namespace {

// Whether a holder holds the suites; a second holder shares them instead of acquiring again. The
// host delivers every message on its one thread.
thread_local bool suitesHeld = false;

}  // namespace

SuiteHolder::SuiteHolder() {
  if (suitesHeld)
    return;
  suitesHeld = owner_ = true;
  result_ = host::AcquireSuiteList(host::sBasic, host::kFrameworkSuites);
  if (result_ == host::kNoError) {
    result_ = host::AcquireSuiteList(host::sBasic, host::kPluginSuites);
  }
}

SuiteHolder::~SuiteHolder() {
  if (!owner_)
    return;
  suitesHeld = false;
  // A release the host refuses does not keep the other suites held.
  host::ReleaseSuiteList(host::sBasic, host::kFrameworkSuites);
  host::ReleaseSuiteList(host::sBasic, host::kPluginSuites);
}

}  // namespace frame
