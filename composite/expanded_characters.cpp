#include "composite/expanded_characters.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "composite/bit_buffer.h"
#include "composite/expanded_method.h"
#include "composite/general_purpose_encoder.h"
#include "core/element_widths.h"
#include "core/encode_error.h"

namespace composite {
namespace {

using databar::ElementWidth;

constexpr int kChecksumModulus = 211;

// Odd elements first: their modules and widest element, then the even elements'; the divisor is
// the number of even combinations.
constexpr databar::CharacterGroup kCharacterGroups[] = {
    {12, 7, 5, 2, 4, 348},    {10, 5, 7, 4, 20, 1040}, {8, 4, 9, 5, 52, 1560},
    {6, 3, 11, 6, 104, 1040}, {4, 1, 13, 8, 204, 204},
};

constexpr int kCharacterValues = 4192;  // the sizes of the groups added up

struct CharacterPattern {
  std::array<ElementWidth, kExpandedCharacterElements> widths;  // in reading order
  uint16_t weightedSum;  // the widths weighted by 3^k for the k-th
};

// Every character value's widths, odd and even elements alternating.
constexpr std::array<CharacterPattern, kCharacterValues> kCharacterPatterns = [] {
  std::array<CharacterPattern, kCharacterValues> table{};
  int value = 0;
  for (const databar::CharacterGroup& g : kCharacterGroups) {
    for (int v = 0; v < g.size; ++v, ++value) {
      const databar::SetWidths odd =
          databar::ElementWidths(v / g.divisor, g.firstModules, 4, g.firstWidest, 0);
      const databar::SetWidths even =
          databar::ElementWidths(v % g.divisor, g.secondModules, 4, g.secondWidest, 1);
      CharacterPattern& pattern = table[value];
      int weight = 1;
      for (int k = 0; k < kExpandedCharacterElements; ++k) {
        const int width = k % 2 == 0 ? odd[k / 2] : even[k / 2];
        pattern.widths[k] = static_cast<ElementWidth>(width);
        pattern.weightedSum = static_cast<uint16_t>(pattern.weightedSum + width * weight);
        weight *= 3;
      }
    }
  }
  return table;
}();

// Finder patterns A to F, a space first.
constexpr int kFinderCount = 6;
constexpr ElementWidth kFinderPatterns[kFinderCount][kExpandedFinderElements] = {
    {1, 8, 4, 1, 1}, {3, 6, 4, 1, 1}, {3, 4, 6, 1, 1},
    {3, 2, 8, 1, 1}, {2, 6, 5, 1, 1}, {2, 2, 9, 1, 1},
};

// The finder of each pair by the number of pairs (entry k for k + 2 pairs): 1 to 6 name A to F,
// a negative number the same finder reversed.
constexpr int kFinderSequences[kMaxExpandedPairs - 1][kMaxExpandedPairs] = {
    {1, -1},
    {1, -2, 2},
    {1, -3, 2, -4},
    {1, -5, 2, -4, 3},
    {1, -5, 2, -4, 4, -6},
    {1, -5, 2, -4, 5, -6, 6},
    {1, -1, 2, -2, 3, -3, 4, -4},
    {1, -1, 2, -2, 3, -3, 4, -5, 5},
    {1, -1, 2, -2, 3, -3, 4, -5, 6, -6},
    {1, -1, 2, -2, 3, -4, 4, -5, 5, -6, 6},
};

// The first weight of the character on each side of each finder, by 2e - 4 (left) and 2e - 3
// (right) with e = 2s for finder s and 1 - 2s for finder s reversed. Entry 0 is the check
// character's place, which takes part in no sum.
constexpr int kChecksumWeights[24] = {0,  1,   20, 189, 193, 62, 185, 113, 150, 46,  76, 43,
                                      16, 109, 70, 134, 148, 6,  120, 79,  103, 161, 55, 45};

// Longer texts cannot fit in 252 bits: even digits take 3.5 bits each.
constexpr int kMaxTextLength = 255;

int FinderCode(int finder) {
  return finder > 0 ? 2 * finder : 1 - 2 * finder;
}

// Each finder as placed, by its code less 2: finder s and then finder s reversed.
constexpr auto kPlacedFinders = [] {
  std::array<std::array<ElementWidth, kExpandedFinderElements>, 2 * kFinderCount> table{};
  for (int s = 0; s < kFinderCount; ++s) {
    for (int i = 0; i < kExpandedFinderElements; ++i) {
      table[2 * s][i] = kFinderPatterns[s][i];
      table[2 * s + 1][i] = kFinderPatterns[s][kExpandedFinderElements - 1 - i];
    }
  }
  return table;
}();

void PlaceFinder(ElementWidth* out, int code) {
  const auto& pattern = kPlacedFinders[code - 2];
  std::copy(pattern.begin(), pattern.end(), out);
}

int DataCharacter(const BitBuffer& bits, int index) {
  return GetBits(bits, index * kExpandedCharacterBits, kExpandedCharacterBits);
}

// The method's two variable-length bits: whether the symbol character count is odd, and whether
// it exceeds 14.
void WriteVariableLengthBits(BitBuffer& bits, int dataCharacters) {
  const int position = VariableLengthBitPosition(bits);
  if (position < 0)
    return;
  PutBits(bits, position, 1, (dataCharacters + 1) % 2);
  PutBits(bits, position + 1, 1, dataCharacters > 13 ? 1 : 0);
}

// Writes the padded bit string of the text after the linkage flag and sets dataCharacters to its
// number of data characters. Returns kEncodeOk or why the text cannot be encoded. The separator
// character belongs to the 2D component alone.
int32_t EncodeBits(const char* text, int segmentsPerRow, bool linkage, BitBuffer& bits,
                   int& dataCharacters) {
  if (text == nullptr || std::strchr(text, kSeparatorCharacter) != nullptr)
    return databar::kInvalidData;
  if (const int32_t error = ValidateData(text))
    return error;
  const size_t length = strnlen(text, kMaxTextLength + 1);
  if (length > kMaxTextLength)
    return databar::kDataTooLong;
  char copy[kMaxTextLength + 1];
  std::memcpy(copy, text, length + 1);

  PutBits(bits, 0, 1, linkage ? 1 : 0);
  const EncodeTarget target = EncodeTarget::Expanded(segmentsPerRow, &ChooseExpandedMethod);
  if (const int32_t error = EncodeDataBits(target, copy, bits, dataCharacters))
    return error;
  if (dataCharacters < kMinExpandedDataCharacters || dataCharacters > kMaxExpandedDataCharacters)
    return databar::kInternalOverflow;
  WriteVariableLengthBits(bits, dataCharacters);
  return databar::kEncodeOk;
}

}  // namespace

int ExpandedCharacterWidths(ElementWidth* out, int value, bool forward) {
  const CharacterPattern& pattern = kCharacterPatterns[value];
  if (forward)
    std::copy(pattern.widths.begin(), pattern.widths.end(), out);
  else
    std::reverse_copy(pattern.widths.begin(), pattern.widths.end(), out);
  return pattern.weightedSum;
}

int32_t BuildExpandedCharacters(const char* text, int segmentsPerRow, bool linkage,
                                ExpandedPairs& pairs, int& symbolCharacters) {
  symbolCharacters = 0;
  BitBuffer bits{};
  int dataCharacters = -1;
  if (const int32_t error = EncodeBits(text, segmentsPerRow, linkage, bits, dataCharacters))
    return error;

  const int pairCount = (dataCharacters + 2) / 2;
  const int* sequence = kFinderSequences[pairCount - 2];
  // At most 21 characters, each a weight below 211 times a weighted sum of at most 8 × 3280:
  // the total stays below the range of int, so it is reduced once at the end.
  int sum = 0;
  for (int p = 0; p < pairCount; ++p) {
    ElementWidth* pair = pairs.data() + p * kExpandedPairElements;
    const int code = FinderCode(sequence[p]);
    if (p > 0) {
      sum += kChecksumWeights[2 * code - 4] *
             ExpandedCharacterWidths(pair, DataCharacter(bits, 2 * p - 1), true);
    }
    PlaceFinder(pair + kExpandedCharacterElements, code);
    if (2 * p < dataCharacters) {
      sum += kChecksumWeights[2 * code - 3] *
             ExpandedCharacterWidths(pair + kExpandedCharacterElements + kExpandedFinderElements,
                                     DataCharacter(bits, 2 * p), false);
    }
  }
  const int checkValue =
      kChecksumModulus * (dataCharacters - kMinExpandedDataCharacters) + sum % kChecksumModulus;
  ExpandedCharacterWidths(pairs.data(), checkValue, true);
  symbolCharacters = dataCharacters + 1;
  return databar::kEncodeOk;
}

int FormExpandedCharacters(const char* text, int segmentsPerRow, bool linkage,
                           ExpandedPairs& pairs) {
  int symbolCharacters = 0;
  databar::EncodeError =
      BuildExpandedCharacters(text, segmentsPerRow, linkage, pairs, symbolCharacters);
  return symbolCharacters;
}

}  // namespace composite
