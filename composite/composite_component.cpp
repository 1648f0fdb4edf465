#include "composite/composite_component.h"

#include <array>

#include "composite/codewords.h"
#include "composite/component_rows.h"
#include "composite/error_correction.h"
#include "composite/general_purpose_encoder.h"
#include "composite/size_tables.h"
#include "databar/encode_error.h"

namespace composite {
namespace {

// More characters than the largest component can carry: even all digits, with the compressed
// methods' free characters, stay below 350.
constexpr int kMaxTextLength = 511;

// Copies the text into `copy`; false when it is longer than any component can carry.
bool CopyText(const char* text, std::array<char, kMaxTextLength + 1>& copy) {
  for (int i = 0; i <= kMaxTextLength; ++i) {
    copy[i] = text[i];
    if (text[i] == '\0')
      return true;
  }
  return false;
}

int DataCodewords(const CompositeSizeTable& table, int sizeIndex, const BitBuffer& bits,
                  CodewordArray& codewords) {
  const CompositeSize& size = table.sizes[sizeIndex];
  return table.IsCcB(sizeIndex) ? BytesToBase900(bits, size.bits / 8, codewords)
                                : BitsToBase928(bits, size.bits, codewords);
}

}  // namespace

int EncodeComposite(int columns, const char* text, databar::CompositeRowBuffer& rows) {
  databar::EncodeError = databar::kEncodeOk;
  const CompositeSizeTable* table = SizeTableFor(columns);
  if (table == nullptr) {
    databar::EncodeError = databar::kInternalOverflow;
    return 0;
  }
  if (text == nullptr) {
    databar::EncodeError = databar::kInvalidData;
    return 0;
  }
  std::array<char, kMaxTextLength + 1> copy;
  if (!CopyText(text, copy)) {
    databar::EncodeError = databar::kDataTooLong;
    return 0;
  }
  databar::EncodeError = ValidateData(copy.data());
  if (databar::EncodeError != databar::kEncodeOk)
    return 0;

  BitBuffer bits{};
  int sizeIndex = -1;
  databar::EncodeError = EncodeDataBits(EncodeTarget::Composite(table->capacities.data()),
                                        copy.data(), bits, sizeIndex);
  if (databar::EncodeError != databar::kEncodeOk)
    return 0;
  if (sizeIndex < 0 || sizeIndex >= table->count) {
    databar::EncodeError = databar::kDataTooLong;
    return 0;
  }

  const CompositeSize& size = table->sizes[sizeIndex];
  CodewordArray codewords{};
  if (DataCodewords(*table, sizeIndex, bits, codewords) != size.dataCodewords) {
    databar::EncodeError = databar::kInternalOverflow;
    return 0;
  }
  ComputeErrorCorrection(size.dataCodewords, size.ecCodewords, codewords);
  if (databar::EncodeError != databar::kEncodeOk)
    return 0;
  BuildRows(*table, sizeIndex, codewords, rows);
  return size.rows;
}

}  // namespace composite
