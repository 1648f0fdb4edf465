#include "gs1_128/capacity.h"

#include <cstddef>

namespace gs1_128 {

namespace {

constexpr std::size_t kCapacity = 48;

std::size_t LotWeight(std::string_view lot) {
  std::size_t weight = 0;
  for (const char c : lot) {
    weight += (c >= '0' && c <= '9') ? 1 : 2;
  }
  return weight;
}

}  // namespace

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
