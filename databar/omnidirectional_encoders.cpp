#include "databar/omnidirectional_encoders.h"

#include <algorithm>
#include <array>

#include "core/encode_error.h"
#include "core/separator.h"
#include "databar/composite_attachment.h"
#include "databar/item_number.h"
#include "databar/omni_tables.h"

namespace databar {

namespace {

constexpr int64_t kHalfSymbolValues = 4'537'077;  // values of one pair of characters
constexpr int32_t kInsideValues = 1597;
constexpr int32_t kChecksumModulus = 79;
constexpr int kCharacterElements = 8;

using CharacterElements = std::array<ElementWidth, kCharacterElements>;

constexpr int32_t kOutsideValues = 2841;

// Characters 1 and 3: the first set is the odd elements.
CharacterElements ComputeOutsideCharacter(int32_t value) {
  const CharacterSets sets = EncodeCharacterSets(value, kOutsideGroups, 4);
  return InterleaveOddEven<kCharacterElements>(sets.first, sets.second);
}

// Characters 2 and 4: the first set is the even elements.
CharacterElements ComputeInsideCharacter(int32_t value) {
  const CharacterSets sets = EncodeCharacterSets(value, kInsideGroups, 4);
  return InterleaveOddEven<kCharacterElements>(sets.second, sets.first);
}

// The elements of every character value, computed once per process on first use: a symbol
// needs four, and the width search costs far more than reading them.
struct CharacterTables {
  std::array<CharacterElements, kOutsideValues> outside;
  std::array<CharacterElements, kInsideValues> inside;
};

const CharacterTables& Characters() {
  static const CharacterTables tables = [] {
    CharacterTables made{};
    for (int32_t value = 0; value < kOutsideValues; ++value)
      made.outside[value] = ComputeOutsideCharacter(value);
    for (int32_t value = 0; value < kInsideValues; ++value)
      made.inside[value] = ComputeInsideCharacter(value);
    return made;
  }();
  return tables;
}

// Places a character's elements from inner[start] on, forward or backward.
void Place(const CharacterElements& elements, InnerWidths& inner, int start, int step) {
  for (int k = 0; k < kCharacterElements; ++k)
    inner[start + step * k] = elements[k];
}

// The weighted sum stays far below the range of int32_t, so it is reduced once at the end.
int32_t Checksum(const CharacterElements (&characters)[4]) {
  int32_t sum = 0;
  for (int c = 0; c < 4; ++c) {
    for (int k = 0; k < kCharacterElements; ++k)
      sum += kOmniWeights[c][k] * characters[c][k];
  }
  return sum % kChecksumModulus;
}

void PlaceFinders(int32_t checksum, InnerWidths& inner) {
  // Finder value combinations 8 and 72 are not used.
  int32_t c = checksum;
  if (c >= 8)
    ++c;
  if (c >= 72)
    ++c;
  const ElementWidth* left = kFinderPatterns[c / 9];
  const ElementWidth* right = kFinderPatterns[c % 9];
  inner[8] = left[0];
  inner[9] = left[1];
  inner[10] = left[2];
  inner[11] = 1;
  inner[12] = 1;
  inner[29] = 1;
  inner[30] = 1;
  inner[31] = right[2];
  inner[32] = right[1];
  inner[33] = right[0];
}

constexpr int kHalfRow = kInnerWidthCount / 2;  // inner widths of one stacked row

// The middle separator of Stacked Omnidirectional: a 5-module space, 41 alternating single
// modules from bar to bar, a 4-module space.
int32_t WriteMiddleSeparator(ElementWidth* out) {
  constexpr int32_t kAlternating = 41;
  out[0] = 5;
  std::fill(out + 1, out + 1 + kAlternating, 1);
  out[kAlternating + 1] = 4;
  return kAlternating + 2;
}

// Every item number has its characters.
bool EncodeOmniInner(int64_t itemNumber, InnerWidths& inner, int32_t linked) {
  EncodeOmniCharacters(itemNumber, inner, linked);
  return true;
}

// The upper stacked row, and the lower one, which begins with a bar (a zero-width space first).
template <typename Record>
void WriteStackedHalves(const InnerWidths& inner, Record& symbol) {
  symbol.topRowLength = WriteGuardedRow(inner.data(), inner.data() + kHalfRow, symbol.topRow);
  symbol.bottomRow[0] = 0;
  symbol.bottomRowLength =
      1 + WriteGuardedRow(inner.data() + kHalfRow, inner.data() + kInnerWidthCount,
                          symbol.bottomRow + 1);
}

void WriteStackedRows(const InnerWidths& inner, StackedSymbol& symbol) {
  WriteStackedHalves(inner, symbol);
  symbol.rowSeparatorLength = BuildStackedSeparator(inner, symbol.rowSeparator);
}

void WriteStackedOmniRows(const InnerWidths& inner, StackedOmniSymbol& symbol) {
  WriteStackedHalves(inner, symbol);
  symbol.rowSeparatorLengths[0] =
      BuildSeparator(inner.data() + kHalfRow, symbol.rowSeparators[0], kHalfRow, 0);
  symbol.rowSeparatorLengths[1] = WriteMiddleSeparator(symbol.rowSeparators[1]);
  symbol.rowSeparatorLengths[2] =
      BuildSeparator(inner.data(), symbol.rowSeparators[2], kHalfRow, 1);
}

}  // namespace

void EncodeOmniCharacters(int64_t itemNumber, InnerWidths& inner, int32_t linked) {
  const int64_t x = itemNumber + (linked != 0 ? kOmniLinkageValue : 0);
  const int64_t left = x / kHalfSymbolValues;
  const int64_t right = x % kHalfSymbolValues;
  const CharacterTables& table = Characters();
  const CharacterElements characters[4] = {
      table.outside[static_cast<size_t>(left / kInsideValues)],
      table.inside[static_cast<size_t>(left % kInsideValues)],
      table.outside[static_cast<size_t>(right / kInsideValues)],
      table.inside[static_cast<size_t>(right % kInsideValues)],
  };
  Place(characters[0], inner, 0, 1);
  Place(characters[1], inner, 20, -1);
  Place(characters[3], inner, 21, 1);
  Place(characters[2], inner, 41, -1);
  PlaceFinders(Checksum(characters), inner);
}

int32_t EncodeOmnidirectional(const DataBarSource& source, LinearSymbol& symbol) {
  return EncodeLinearSymbol(source, symbol, EncodeOmniInner, WriteLinearRow, AttachOmniComposite);
}

int32_t EncodeStacked(const DataBarSource& source, StackedSymbol& symbol) {
  return EncodeLinearSymbol(source, symbol, EncodeOmniInner, WriteStackedRows,
                            AttachStackedComposite);
}

int32_t EncodeStackedOmnidirectional(const DataBarSource& source, StackedOmniSymbol& symbol) {
  return EncodeLinearSymbol(source, symbol, EncodeOmniInner, WriteStackedOmniRows,
                            AttachStackedOmniComposite);
}

}  // namespace databar
