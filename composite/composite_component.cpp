#include "composite/composite_component.h"

#include <algorithm>
#include <array>
#include <span>

#include "composite/codeword_patterns.h"
#include "composite/codewords.h"
#include "composite/general_purpose_encoder.h"
#include "composite/row_address_patterns.h"
#include "composite/size_tables.h"
#include "core/encode_error.h"

namespace composite {
namespace {

// Every row begins with a 1-module space and ends with a 1-module bar and a 1-module space. A
// row has 31 elements (57 modules) with 2 columns, 39 (74) with 3 columns in CC-A, 45 (84) with
// 3 columns in CC-B, and the most, 53 (101 modules), with 4 columns.
constexpr int kFourColumnRowLength = 53;
static_assert(kMaxComponentRows == databar::kCompositeRowCount);
static_assert(kFourColumnRowLength == databar::kCompositeRowCapacity);

using Pattern = std::span<const databar::ElementWidth>;

// Appends elements to one row; the row's capacity bounds every write.
class RowWriter {
 public:
  explicit RowWriter(databar::ElementWidth* row) : row_(row) {}

  void Add(int width) {
    if (count_ < databar::kCompositeRowCapacity)
      row_[count_++] = static_cast<databar::ElementWidth>(width);
  }
  void Add(Pattern widths) {
    const int count =
        std::min(static_cast<int>(widths.size()), databar::kCompositeRowCapacity - count_);
    std::copy(widths.begin(), widths.begin() + count, row_ + count_);
    count_ += count;
  }
  void ClearRest() { std::fill(row_ + count_, row_ + databar::kCompositeRowCapacity, 0); }

 private:
  databar::ElementWidth* row_;
  int count_ = 0;
};

// Where the patterns of one row come from: the row address of its left pattern (0-based) and
// the distance to its centre and right patterns.
struct RowAddresses {
  int left;
  int offset;

  Pattern Left() const { return kSideRowAddressPatterns[left]; }
  Pattern Centre() const { return kCentreRowAddressPatterns[(left + offset) % kRowAddressCount]; }
  Pattern Right(int distance) const {
    return kSideRowAddressPatterns[(left + distance) % kRowAddressCount];
  }
  int ClusterTable() const { return left % 3; }
};

void BuildRow(int columns, bool ccB, const RowAddresses& at, const uint16_t* codewords,
              databar::ElementWidth* row) {
  RowWriter out(row);
  const auto codeword = [&](int column) {
    out.Add(CodewordPattern(at.ClusterTable(), codewords[column]));
  };
  out.Add(1);
  switch (columns) {
    case 2:
      out.Add(at.Left());
      codeword(0);
      codeword(1);
      out.Add(at.Right(at.offset));
      break;
    case 3:
      if (ccB)
        out.Add(at.Left());
      codeword(0);
      out.Add(at.Centre());
      codeword(1);
      codeword(2);
      out.Add(at.Right(2 * at.offset));
      break;
    default:
      out.Add(at.Left());
      codeword(0);
      codeword(1);
      out.Add(at.Centre());
      codeword(2);
      codeword(3);
      out.Add(at.Right(2 * at.offset));
      break;
  }
  out.Add(1);  // the bar that ends the row
  out.Add(1);
  out.ClearRest();
}

// Writes size.rows rows of `table.columns` codewords each into `rows`, top row first, with the
// row address patterns that tell a reader which row and which cluster it is looking at. Elements
// after the end of a row are cleared.
void BuildRows(const CompositeSizeTable& table, int sizeIndex, const CodewordArray& codewords,
               databar::CompositeRowBuffer& rows) {
  const CompositeSize& size = table.sizes[sizeIndex];
  const bool ccB = table.IsCcB(sizeIndex);
  for (int r = 0; r < size.rows && r < databar::kCompositeRowCount; ++r) {
    const RowAddresses at{(size.startAddress - 1 + r) % kRowAddressCount, size.addressOffset};
    BuildRow(table.columns, ccB, at, codewords.data() + r * table.columns, rows[r]);
  }
}

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
