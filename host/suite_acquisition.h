// Acquiring and releasing a list of suites through the basic suite.
#pragma once

#include "host/error.h"
#include "host/suite_list.h"
#include "host/suites.h"

namespace host {

// Acquires the suites of the list in order, storing each pointer in its global. Stops at the
// first failure and returns its code; the suites acquired before it stay held.
ErrorCode AcquireSuiteList(const BasicSuite* basic, const SuiteEntry* list);

// Releases, in list order, every suite of the list whose global is non-null, clearing the
// global. A release the host refuses does not keep the others held: all are offered back, and
// the code of the first failure is returned.
ErrorCode ReleaseSuiteList(const BasicSuite* basic, const SuiteEntry* list);

// Holds the framework suites and the plug-in's suites for its lifetime, as the plug-in does
// between start-up and shut-down. Used where the plug-in's code runs without the plug-in frame:
// the command-line tool and the tests.
class ScopedSuites {
 public:
  explicit ScopedSuites(const BasicSuite* basic);
  ~ScopedSuites();
  ScopedSuites(const ScopedSuites&) = delete;
  ScopedSuites& operator=(const ScopedSuites&) = delete;

  ErrorCode result() const { return result_; }

 private:
  const BasicSuite* basic_;
  ErrorCode result_;
};

}  // namespace host
