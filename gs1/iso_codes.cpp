#include "gs1/iso_codes.h"

#include <algorithm>

#include "gs1/characters.h"
#include "gs1/iso_code_lists.h"

namespace gs1 {
namespace {

template <size_t N>
bool HoldsNumber(const std::array<uint16_t, N>& codes, std::string_view threeDigits) {
  if (threeDigits.size() != 3 || !AllDigits(threeDigits)) {
    return false;
  }
  return std::binary_search(codes.begin(), codes.end(),
                            static_cast<uint16_t>(DecimalValue(threeDigits)));
}

}  // namespace

bool IsCountryNumericCode(std::string_view threeDigits) {
  return HoldsNumber(kCountryNumericCodes, threeDigits);
}

bool IsCountryAlpha2Code(std::string_view twoLetters) {
  return std::binary_search(kCountryAlpha2Codes.begin(), kCountryAlpha2Codes.end(), twoLetters);
}

bool IsCurrencyNumericCode(std::string_view threeDigits) {
  return HoldsNumber(kCurrencyNumericCodes, threeDigits);
}

}  // namespace gs1
