// The ISO code lists that GS1 data refers to, built into the program from Debian's iso-codes.
#pragma once

#include <string_view>

namespace gs1 {

// Each takes the code as written in the data: three digits, or two letters.
bool IsCountryNumericCode(std::string_view threeDigits);
bool IsCountryAlpha2Code(std::string_view twoLetters);
bool IsCurrencyNumericCode(std::string_view threeDigits);

}  // namespace gs1
