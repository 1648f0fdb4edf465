#include "databar/check_digit.h"

#include <cstring>
#include <string_view>

#include "gs1/content_checks.h"

namespace databar {

int32_t ComputeCheckDigit(const char* text) {
  const std::string_view digits(text, std::strlen(text));
  if (digits.find_first_not_of("0123456789") != std::string_view::npos)
    return -1;
  return gs1::CheckDigitOf(digits) - '0';
}

}  // namespace databar
