#include "gs1_128/medical128_elements.h"

#include <cstddef>
#include <cstring>

namespace gs1_128 {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AreDigitPairs(std::string_view text) {
  if (text.size() % 2 != 0) {
    return false;
  }
  for (const char c : text) {
    if (!IsDigit(c)) {
      return false;
    }
  }
  return true;
}

// Printable ASCII that code set A (space to underscore) or B (space to tilde) carries.
bool IsInCodeSet(std::string_view text, char last) {
  for (const char c : text) {
    if (c < ' ' || c > last) {
      return false;
    }
  }
  return true;
}

bool IsEncodableLot(std::string_view lot, int32_t lotCodeSet) {
  switch (lotCodeSet) {
    case kLotCodeA:
      return IsInCodeSet(lot, '_');
    case kLotCodeB:
    case kLotCodeAuto:
      return IsInCodeSet(lot, '~');
    case kLotCodeC:
      return AreDigitPairs(lot);
    default:
      return false;
  }
}

template <std::size_t N>
bool Fits(std::string_view text, const char (&)[N]) {
  return text.size() < N;
}

template <std::size_t N>
void Copy(char (&field)[N], std::string_view text) {
  std::memcpy(field, text.data(), text.size());
  field[text.size()] = '\0';
}

constexpr std::size_t kCapacity = 48;

std::size_t LotWeight(std::string_view lot) {
  std::size_t weight = 0;
  for (const char c : lot) {
    weight += (c >= '0' && c <= '9') ? 1 : 2;
  }
  return weight;
}

}  // namespace

bool StoreElements(Medical128Elements& elements, std::string_view gtin, std::string_view expiry,
                   std::string_view quantity, std::string_view lot, int32_t lotCodeSet) {
  if (!Fits(gtin, elements.gtinElement) || !Fits(expiry, elements.expiryElement) ||
      !Fits(quantity, elements.quantityElement) || !Fits(lot, elements.lotElement)) {
    return false;
  }
  if (!AreDigitPairs(gtin) || !AreDigitPairs(expiry) || !IsInCodeSet(quantity, '~') ||
      !IsEncodableLot(lot, lotCodeSet)) {
    return false;
  }
  Copy(elements.gtinElement, gtin);
  Copy(elements.expiryElement, expiry);
  Copy(elements.quantityElement, quantity);
  Copy(elements.lotElement, lot);
  elements.lotCodeSet = lotCodeSet;
  return true;
}

bool FitsCapacity(std::string_view expiry, std::string_view quantity, std::string_view lot) {
  std::size_t count = 16;
  if (!expiry.empty()) {
    count += 8;
  }
  if (!quantity.empty()) {
    count += 2 + quantity.size() + 2;
  }
  if (!lot.empty()) {
    count += 2 + LotWeight(lot);
  }
  return count <= kCapacity;
}

}  // namespace gs1_128
