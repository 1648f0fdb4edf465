#include "databar/check_digit.h"

#include <cstring>

namespace databar {

int32_t ComputeCheckDigit(const char* text) {
  int32_t sum = 0;
  int32_t weight = 3;
  for (size_t i = std::strlen(text); i-- > 0;) {
    const char c = text[i];
    if (c < '0' || c > '9')
      return -1;
    sum += weight * (c - '0');
    weight = 4 - weight;
  }
  return (10 - sum % 10) % 10;
}

}  // namespace databar
