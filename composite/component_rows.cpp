#include "composite/component_rows.h"

#include <algorithm>
#include <span>

#include "composite/codeword_patterns.h"
#include "composite/row_address_patterns.h"

namespace composite {
namespace {

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

}  // namespace

void BuildRows(const CompositeSizeTable& table, int sizeIndex, const CodewordArray& codewords,
               databar::CompositeRowBuffer& rows) {
  const CompositeSize& size = table.sizes[sizeIndex];
  const bool ccB = table.IsCcB(sizeIndex);
  for (int r = 0; r < size.rows && r < databar::kCompositeRowCount; ++r) {
    const RowAddresses at{(size.startAddress - 1 + r) % kRowAddressCount, size.addressOffset};
    BuildRow(table.columns, ccB, at, codewords.data() + r * table.columns, rows[r]);
  }
}

}  // namespace composite
