#include "frame/plugin.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <new>
#include <utility>

#include "host/suite_acquisition.h"
#include "host/suite_list.h"
#include "host/suite_pointers.h"

namespace frame {

// Holds the host suites the plug-in uses while it is loaded: the framework suites, then the
// plug-in's own list. Acquires them when created and releases them when destroyed.
class SuiteHolder {
 public:
  // Acquires every suite unless another holder already holds them. Acquisition stops at the
  // first failure; result() gives its code, and destroying the holder releases what was
  // acquired before it.
  SuiteHolder();
  ~SuiteHolder();
  SuiteHolder(const SuiteHolder&) = delete;
  SuiteHolder& operator=(const SuiteHolder&) = delete;

  host::ErrorCode result() const { return result_; }

 private:
  bool owner_ = false;  // this holder acquired the suites and releases them
  host::ErrorCode result_ = host::kNoError;
};

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

Plugin::Plugin(host::PluginHandle self) : self_(self) {
  SetName("Plugin");
}

Plugin::Plugin(Plugin&& other) noexcept
    : self_(other.self_),
      suites_(std::move(other.suites_)),
      lockCount_(std::exchange(other.lockCount_, 0)),
      access_(std::exchange(other.access_, nullptr)),
      errorReport_(other.errorReport_) {
  std::memcpy(name_, other.name_, kNameSize);
}

// Normally the suites and the hold are already given up at shut-down; after a failed start-up
// they are given up here so that nothing stays acquired in the host.
Plugin::~Plugin() {
  ReleaseHold();
  ReleaseSuites();
}

void Plugin::SetName(const char* name) {
  std::snprintf(name_, kNameSize, "%s", name);
}

size_t Plugin::CopyName(char* buffer, size_t length) const {
  if (length > 0)
    std::snprintf(buffer, length, "%s", name_);
  return std::strlen(name_);
}

void Plugin::ShowError(host::ErrorCode error, const char*, const char*, void*) {
  if (errorReport_.Record(error, static_cast<int64_t>(std::time(nullptr)))) {
    ReportError(error, self_);
  }
}

void Plugin::ReportError(host::ErrorCode, host::PluginHandle) {}

host::ErrorCode Plugin::KeepLoaded(bool keep) {
  if (keep) {
    if (lockCount_ == 0) {
      const host::ErrorCode error = host::sAccess->AcquirePlugin(self_, &access_);
      if (error != host::kNoError) {
        access_ = nullptr;
        return error;
      }
    }
    ++lockCount_;
    return host::kNoError;
  }
  if (--lockCount_ > 0)
    return host::kNoError;
  return ReleaseHold();
}

host::ErrorCode Plugin::ReleaseHold() {
  host::ErrorCode result = host::kNoError;
  // While unloaded the access suite is gone and the hold cannot be given up.
  if (access_ != nullptr && host::sAccess != nullptr)
    result = host::sAccess->ReleasePlugin(access_);
  access_ = nullptr;
  lockCount_ = 0;
  return result;
}

host::ErrorCode Plugin::AcquireSuites() {
  if (suites_ == nullptr) {
    suites_.reset(new (std::nothrow) SuiteHolder);
    if (suites_ == nullptr)
      return host::kOutOfMemory;
  }
  const host::ErrorCode result = suites_->result();
  if (result != host::kNoError)
    suites_.reset();
  return result;
}

void Plugin::ReleaseSuites() {
  suites_.reset();
}

host::ErrorCode Plugin::RegisterAppStartedNotifier() {
  char notifierName[kNameSize + 32];
  std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", name_);
  return host::sNotifier->AddNotifier(self_, notifierName, kAppStartedNotifier, nullptr);
}

host::ErrorCode Plugin::OnStartup(host::MessageData*) {
  SetCurrentPlugin(this);
  host::ErrorCode result = AcquireSuites();
  if (result == host::kNoError)
    result = host::sPlugins->SetPluginName(self_, name_);
  if (result == host::kNoError)
    result = RegisterAppStartedNotifier();
  if (result == host::kNoError)
    result = SetupTables();
  if (result == host::kNoError) {
    FillTables();
    result = KeepLoaded(true);
  }
  return result;
}

host::ErrorCode Plugin::OnShutdown(host::MessageData*) {
  ReleaseHold();
  ReleaseSuites();
  SetCurrentPlugin(nullptr);
  return host::kNoError;
}

host::ErrorCode Plugin::OnUnload(host::MessageData*) {
  EmptyTables();
  SetCurrentPlugin(nullptr);
  ReleaseSuites();
  return host::kNoError;
}

host::ErrorCode Plugin::OnReload(host::MessageData*) {
  SetCurrentPlugin(this);
  const host::ErrorCode result = AcquireSuites();
  if (result == host::kNoError)
    FillTables();
  return result;
}

}  // namespace frame
