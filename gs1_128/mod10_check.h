// The GS1 mod-10 check digit, under the name the GS1-128 panel's rules use; the digit itself is
// computed in one place for every symbology (gs1/content_checks).
#pragma once

#include <string_view>

#include "gs1/content_checks.h"

namespace gs1_128 {

// Check digit of a string of digits, as the character '0' to '9'.
inline char Mod10CheckCharacter(std::string_view digits) {
  return gs1::CheckDigitOf(digits);
}

}  // namespace gs1_128
