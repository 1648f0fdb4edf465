#include "host/suite_acquisition.h"

#include "host/suite_pointers.h"

namespace host {

ErrorCode AcquireSuiteList(const BasicSuite* basic, const SuiteEntry* list) {
  for (const SuiteEntry* entry = list; entry->name != nullptr; ++entry) {
    const ErrorCode error = basic->AcquireSuite(entry->name, entry->version, entry->global);
    if (error != kNoError) {
      *entry->global = nullptr;
      return error;
    }
  }
  return kNoError;
}

ErrorCode ReleaseSuiteList(const BasicSuite* basic, const SuiteEntry* list) {
  ErrorCode result = kNoError;
  for (const SuiteEntry* entry = list; entry->name != nullptr; ++entry) {
    if (*entry->global == nullptr)
      continue;
    const ErrorCode error = basic->ReleaseSuite(entry->name, entry->version);
    if (result == kNoError)
      result = error;
    *entry->global = nullptr;
  }
  return result;
}

ScopedSuites::ScopedSuites(const BasicSuite* basic) : basic_(basic) {
  sBasic = basic;
  result_ = AcquireSuiteList(basic, kFrameworkSuites);
  if (result_ == kNoError)
    result_ = AcquireSuiteList(basic, kPluginSuites);
}

ScopedSuites::~ScopedSuites() {
  ReleaseSuiteList(basic_, kFrameworkSuites);
  ReleaseSuiteList(basic_, kPluginSuites);
}

}  // namespace host
