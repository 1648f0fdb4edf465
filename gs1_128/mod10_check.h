// The GS1 mod-10 check digit.
#pragma once

#include <string_view>

namespace gs1_128 {

// Check digit of a string of digits, as the character '0' to '9'.
char Mod10CheckCharacter(std::string_view digits);

}  // namespace gs1_128
