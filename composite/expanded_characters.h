// The symbol characters of DataBar Expanded: the bit string cut into 12-bit data characters, the
// check character, and their element widths paired around finder patterns.
#pragma once

#include <array>
#include <cstdint>

#include "core/symbol_records.h"

namespace composite {

constexpr int kMaxExpandedDataCharacters = 21;
constexpr int kMaxExpandedSymbolCharacters = kMaxExpandedDataCharacters + 1;
constexpr int kExpandedCharacterElements = 8;
constexpr int kExpandedFinderElements = 5;
// A pair: the left character, its finder pattern and the right character.
constexpr int kExpandedPairElements = 2 * kExpandedCharacterElements + kExpandedFinderElements;
constexpr int kMaxExpandedPairs = (kMaxExpandedSymbolCharacters + 1) / 2;

// The element widths of all pairs, one after another; pair p starts at element 21p. Element 0,
// the first of the check character, is a space.
using ExpandedPairs = std::array<databar::ElementWidth, kMaxExpandedPairs * kExpandedPairElements>;

// The elements that `segments` symbol characters take in the pairs' array: 21 for a whole pair,
// 13 for a last pair without a right character.
constexpr int PairElements(int segments) {
  return segments / 2 * kExpandedPairElements +
         segments % 2 * (kExpandedCharacterElements + kExpandedFinderElements);
}

// Writes the 8 widths of the character with `value` (0..4191) to out, in reading order when
// forward, else in reverse (a right character is read from the right). Returns the character's
// widths weighted by 3^k for its k-th element in reading order (at most 8 × 3280); the checksum
// weighs that sum by the weight of the character's place.
int ExpandedCharacterWidths(databar::ElementWidth* out, int value, bool forward);

// Encodes the element string `text` ('#' for FNC1) into `pairs`. linkage is set when a 2D
// component follows. segmentsPerRow (2..22) decides whether one more data character is needed
// to keep a stacked symbol's last row from holding a single character. Returns the number of
// symbol characters, data characters and check character; 0 when the text
// cannot be encoded (kInvalidData) or does not fit in 252 bits (kDataTooLong). An encoder entry
// point: the code is left in EncodeError.
int FormExpandedCharacters(const char* text, int segmentsPerRow, bool linkage,
                           ExpandedPairs& pairs);

// The same for the Expanded encoder: returns the code (kEncodeOk or the reason) and sets
// symbolCharacters to the number of symbol characters, 0 when the code is not kEncodeOk.
int32_t BuildExpandedCharacters(const char* text, int segmentsPerRow, bool linkage,
                                ExpandedPairs& pairs, int& symbolCharacters);

}  // namespace composite
