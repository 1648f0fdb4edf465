#include "composite/composite_component.h"

#include <array>

#include "composite/codewords.h"
#include "composite/component_rows.h"
#include "composite/general_purpose_encoder.h"
#include "composite/size_tables.h"
#include "core/encode_error.h"

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

int32_t BuildComposite(int columns, const char* text, databar::CompositeRowBuffer& rows,
                       int& rowCount) {
  rowCount = 0;
  const CompositeSizeTable* table = SizeTableFor(columns);
  if (table == nullptr)
    return databar::kInternalOverflow;
  if (text == nullptr)
    return databar::kInvalidData;
  std::array<char, kMaxTextLength + 1> copy;
  if (!CopyText(text, copy))
    return databar::kDataTooLong;
  if (const int32_t error = ValidateData(copy.data()))
    return error;

  BitBuffer bits{};
  int sizeIndex = -1;
  if (const int32_t error = EncodeDataBits(EncodeTarget::Composite(table->capacities.data()),
                                           copy.data(), bits, sizeIndex)) {
    return error;
  }
  if (sizeIndex < 0 || sizeIndex >= table->count)
    return databar::kDataTooLong;

  const CompositeSize& size = table->sizes[sizeIndex];
  CodewordArray codewords{};
  if (DataCodewords(*table, sizeIndex, bits, codewords) != size.dataCodewords)
    return databar::kInternalOverflow;
  if (const int32_t error = ComputeErrorCorrection(size.dataCodewords, size.ecCodewords, codewords))
    return error;
  BuildRows(*table, sizeIndex, codewords, rows);
  rowCount = size.rows;
  return databar::kEncodeOk;
}

int EncodeComposite(int columns, const char* text, databar::CompositeRowBuffer& rows) {
  int rowCount = 0;
  databar::EncodeError = BuildComposite(columns, text, rows, rowCount);
  return rowCount;
}

}  // namespace composite
