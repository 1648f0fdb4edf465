// The lists of suites the plug-in acquires, in acquisition order: the seven framework suites,
// then the plug-in's own list. A null name ends a list.
#pragma once

#include <cstdint>

namespace host {

struct SuiteEntry {
  const char* name;
  int32_t version;
  const void** global;  // receives the suite pointer
};

extern const SuiteEntry kFrameworkSuites[];
extern const SuiteEntry kPluginSuites[];

}  // namespace host
