#include "databar/limited_encoder.h"

#include <algorithm>
#include <array>

#include "core/element_widths.h"
#include "databar/composite_attachment.h"
#include "databar/item_number.h"
#include "databar/limited_tables.h"

namespace databar {

namespace {

constexpr int64_t kCharacterValues = 2'013'571;
constexpr int32_t kChecksumModulus = 89;
constexpr int kCharacterElements = 14;

using CharacterElements = std::array<ElementWidth, kCharacterElements>;

CharacterElements LimitedCharacter(int64_t value) {
  const CharacterSets sets = EncodeCharacterSets(static_cast<int32_t>(value), kLimitedGroups, 7);
  return InterleaveOddEven<kCharacterElements>(sets.first, sets.second);
}

}  // namespace

bool EncodeLimitedCharacters(int64_t itemNumber, InnerWidths& inner, int32_t linked) {
  if (itemNumber > kLimitedLargestItem)
    return false;
  const int64_t x = itemNumber + (linked != 0 ? kLimitedLinkageValue : 0);
  const CharacterElements left = LimitedCharacter(x / kCharacterValues);
  const CharacterElements right = LimitedCharacter(x % kCharacterValues);

  // The weighted sum stays far below the range of int32_t, so it is reduced once at the end.
  int32_t sum = 0;
  for (int k = 0; k < kCharacterElements; ++k)
    sum += kLimitedWeights[0][k] * left[k] + kLimitedWeights[1][k] * right[k];
  const int32_t checksum = sum % kChecksumModulus;

  auto out = std::copy(left.begin(), left.end(), inner.begin());
  out = std::copy(std::begin(kLimitedCheckCharacters[checksum]),
                  std::end(kLimitedCheckCharacters[checksum]), out);
  std::copy(right.begin(), right.end(), out);
  return true;
}

int32_t BuildLimitedSeparator(const InnerWidths& inner, SeparatorRow& out) {
  constexpr int32_t kRowElements = kInnerWidthCount + 4;
  ElementWidth* d = out;
  d[0] = 1;
  d[1] = 1;
  std::copy(inner.begin(), inner.end(), d + 2);
  d[kRowElements - 2] = 1;
  d[kRowElements - 1] = 1;

  // Left end: 4 light modules, then the complement of the rest of the covered elements. The scan
  // stops at the row's end, also for a row of malformed widths.
  int32_t modules = 0;
  int32_t i = 0;
  while (modules <= 4 && i < kRowElements)
    modules += d[i++];
  int32_t j;
  if (i % 2 == 1) {
    d[0] = 4;
    d[1] = static_cast<ElementWidth>(modules - 4);
    j = 2;
  } else {
    d[0] = static_cast<ElementWidth>(modules);
    j = 1;
  }
  while (i < kRowElements)
    d[j++] = d[i++];

  // Right end likewise.
  int32_t total = 0;
  do {
    total += d[--j];
  } while (total <= 4 && j > 0);
  if (j % 2 == 1) {
    d[j] = static_cast<ElementWidth>(total - 4);
    d[j + 1] = 4;
    return j + 2;
  }
  d[j] = static_cast<ElementWidth>(total);
  return j + 1;
}

int32_t EncodeLimited(const DataBarSource& source, LinearSymbol& symbol) {
  return EncodeLinearSymbol(source, symbol, EncodeLimitedCharacters, WriteLinearRow,
                            AttachLimitedComposite);
}

}  // namespace databar
