// One row of a DataBar character group table.
#pragma once

#include <cstdint>

namespace databar {

// For Omnidirectional inside characters the first set is the even elements and the divisor is
// T(odd); everywhere else the first set is the odd elements and the divisor is T(even).
struct CharacterGroup {
  int32_t firstModules;
  int32_t firstWidest;
  int32_t secondModules;
  int32_t secondWidest;
  int32_t divisor;
  int32_t size;
};

}  // namespace databar
