#include "composite/expanded_encoder.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "composite/composite_component.h"
#include "composite/expanded_characters.h"
#include "core/encode_error.h"
#include "core/separator.h"

namespace composite {
namespace {
using databar::ElementWidth;

// Widens a light element by `modules`. Nothing is drawn in a light element, so a width beyond
// an element's range is kept at the largest one.
void WidenLightElement(ElementWidth& element, int modules) {
  element = static_cast<ElementWidth>(
      std::min<int>(element + modules, std::numeric_limits<ElementWidth>::max()));
}

constexpr int kGuardModules = 4;  // a space and a bar on each side

// The modules of `segments` symbol characters: 49 for a whole pair, 32 for a left character
// with its finder.
constexpr int SegmentModules(int segments) {
  return segments / 2 * 49 + segments % 2 * 32;
}

// A row of element widths written in place into the symbol's storage, a space first.
class ElementRow {
 public:
  ElementRow(ElementWidth* widths, int capacity) : widths_(widths), capacity_(capacity) {}

  int count() const { return count_; }
  void SetCount(int count) { count_ = std::clamp(count, 0, capacity_); }

  void Append(int width) {
    assert(count_ < capacity_);
    if (count_ < capacity_)
      widths_[count_++] = static_cast<ElementWidth>(width);
  }

  // Appends `count` widths, last first when reversed.
  void AppendRange(const ElementWidth* widths, int count, bool reversed) {
    assert(count_ + count <= capacity_);
    count = std::clamp(count, 0, capacity_ - count_);
    if (reversed)
      std::reverse_copy(widths, widths + count, widths_ + count_);
    else
      std::copy(widths, widths + count, widths_ + count_);
    count_ += count;
  }

  void Assign(const ElementWidth* widths, int count) {
    count_ = 0;
    AppendRange(widths, count, false);
  }

  void Reverse() { std::reverse(widths_, widths_ + count_); }

  void WidenFirst() {
    if (count_ > 0)
      ++widths_[0];
  }

  // Light modules on the right, so that the row spans the symbol: the trailing space is widened,
  // or a space appended after a final bar.
  void PadRight(int modules) {
    if (count_ % 2 == 0)
      Append(0);
    WidenLightElement(widths_[count_ - 1], modules);
  }

 private:
  ElementWidth* widths_;
  int capacity_;
  int count_ = 0;
};

struct RowGeometry {
  int rowCount;
  int fullRowElements;      // data elements of every row but the last
  int width;                // modules, guards included
  int lastRowFirstSegment;  // the largest multiple of the segments per row below the count
  int lastRowElements;
  int lastRowShortBy;  // modules the last row lacks to span the symbol
};

RowGeometry MeasureRows(int symbolCharacters, int segmentsPerRow) {
  const int perRow = std::min(segmentsPerRow, symbolCharacters);
  const int last = (symbolCharacters - 1) / segmentsPerRow * segmentsPerRow;
  RowGeometry g;
  g.rowCount = last / segmentsPerRow + 1;
  g.fullRowElements = PairElements(perRow);
  g.width = SegmentModules(perRow) + kGuardModules;
  g.lastRowFirstSegment = last;
  g.lastRowElements = PairElements(symbolCharacters) - PairElements(last);
  g.lastRowShortBy =
      SegmentModules(perRow) - (SegmentModules(symbolCharacters) - SegmentModules(last));
  return g;
}

// The row between the two separators of stacked rows: single alternating modules between 5
// light modules on the left and 4 or 5 on the right, so that it ends with a space.
void WriteMiddleSeparator(ElementRow& row, int width) {
  const int rightSpace = width % 2 == 1 ? 5 : 4;
  row.Append(5);
  for (int i = 0; i < width - 5 - rightSpace; ++i)
    row.Append(1);
  row.Append(rightSpace);
}

// Where a row's data elements come from and how they are placed between its guards.
struct RowPlan {
  int firstSegment;
  int elements;
  bool reversed;
  bool moved;   // kept in reading order and moved one module to the right instead of reversed
  bool padded;  // widened on the right to the symbol's width by `padding` modules
  int padding;
};

class RowWriter {
 public:
  RowWriter(const ExpandedPairs& pairs, int symbolCharacters, int segmentsPerRow,
            bool compositeFollows, databar::ExpandedSymbol& symbol)
      : pairs_(pairs),
        segmentsPerRow_(segmentsPerRow),
        compositeFollows_(compositeFollows),
        geometry_(MeasureRows(symbolCharacters, segmentsPerRow)),
        symbol_(symbol) {}

  // Rows from the bottom one upward. The reading direction of a row follows from the parity of
  // its first pair and of its place counted from the top row.
  void Write() {
    int first = geometry_.lastRowFirstSegment;
    bool flip = (geometry_.rowCount - 1) % 2 == 1;
    for (int r = 0; r < geometry_.rowCount; ++r) {
      Store(r, r == 0 ? BottomRowPlan(first, flip)
                      : RowPlan{first, geometry_.fullRowElements, IsReversed(first, flip), false,
                                false, 0});
      first -= segmentsPerRow_;
      flip = !flip;
    }
    symbol_.rowCount = geometry_.rowCount;
    symbol_.symbolWidth = geometry_.width;
    symbol_.separatorLengths[databar::kExpandedSeparatorCount] = separatorCount_;
  }

 private:
  static bool SpaceFirst(int firstSegment) { return firstSegment / 2 % 2 == 0; }

  static bool IsReversed(int firstSegment, bool flip) {
    return (firstSegment / 2 % 2 == 1) != flip;
  }

  // The bottom row is padded on the right to the symbol's width. A bottom row that would be
  // reversed but has an odd number of data elements keeps its reading order instead and moves
  // one module to the right, its separator with it.
  RowPlan BottomRowPlan(int firstSegment, bool flip) const {
    const int elements = geometry_.lastRowElements;
    const bool reversed = IsReversed(firstSegment, flip);
    if (reversed && elements % 2 == 1)
      return {firstSegment, elements, false, true, true, geometry_.lastRowShortBy - 1};
    return {firstSegment, elements, reversed, false, true, geometry_.lastRowShortBy};
  }

  const ElementWidth* Data(const RowPlan& plan) const {
    return pairs_.data() + plan.firstSegment / 2 * kExpandedPairElements;
  }

  static void Finish(const RowPlan& plan, ElementRow& row) {
    if (plan.moved)
      row.WidenFirst();
    if (plan.padded)
      row.PadRight(plan.padding);
  }

  // The row's data elements between its guards, reversed if asked; a row that would then begin
  // with a bar gets a leading space of width 0. The guards read the same both ways.
  void WriteBars(const RowPlan& plan, ElementRow& bars) const {
    if (plan.reversed == SpaceFirst(plan.firstSegment))
      bars.Append(0);
    bars.Append(1);
    bars.Append(1);
    bars.AppendRange(Data(plan), plan.elements, plan.reversed);
    bars.Append(1);
    bars.Append(1);
    Finish(plan, bars);
  }

  // The separator is built from the data elements in reading order and reversed with the row.
  void WriteSeparator(const RowPlan& plan, databar::SeparatorRow& out,
                      ElementRow& separator) const {
    separator.SetCount(databar::BuildSeparator(Data(plan), out, plan.elements,
                                               SpaceFirst(plan.firstSegment) ? 1 : 0));
    if (plan.reversed)
      separator.Reverse();
    Finish(plan, separator);
  }

  // Every row but the bottom one has its separator below it; every row but the top one (and
  // the top one under a 2D component) has it above it, and the middle separator above that.
  // A separator that is stored nowhere is not built.
  void Store(int r, const RowPlan& plan) {
    const bool top = r == geometry_.rowCount - 1;
    const bool below = r > 0;
    const bool above = !top || compositeFollows_;

    ElementRow bars(symbol_.rows[r], databar::kExpandedRowCapacity);
    WriteBars(plan, bars);
    symbol_.rowLengths[r] = bars.count();

    if (below || above) {
      const int built = AddSeparator([&](databar::SeparatorRow& out, ElementRow& separator) {
        WriteSeparator(plan, out, separator);
      });
      if (below && above && built >= 0) {
        AddSeparator([&](databar::SeparatorRow&, ElementRow& separator) {
          separator.Assign(symbol_.separators[built], symbol_.separatorLengths[built]);
        });
      }
    }
    if (!top) {
      AddSeparator([&](databar::SeparatorRow&, ElementRow& separator) {
        WriteMiddleSeparator(separator, geometry_.width);
      });
    }
  }

  // Writes the next separator slot with write(slot, row) and stores its length. Returns the
  // slot's index, or -1 once all are taken.
  template <typename Write>
  int AddSeparator(Write write) {
    assert(separatorCount_ < databar::kExpandedSeparatorCount);
    if (separatorCount_ >= databar::kExpandedSeparatorCount)
      return -1;
    const int slot = separatorCount_++;
    std::fill(std::begin(symbol_.separators[slot]), std::end(symbol_.separators[slot]), 0);
    ElementRow separator(symbol_.separators[slot], databar::kSeparatorCapacity);
    write(symbol_.separators[slot], separator);
    symbol_.separatorLengths[slot] = separator.count();
    return slot;
  }

  const ExpandedPairs& pairs_;
  const int segmentsPerRow_;
  const bool compositeFollows_;
  const RowGeometry geometry_;
  databar::ExpandedSymbol& symbol_;
  int separatorCount_ = 0;
};

// The rows of DataBar Expanded and Expanded Stacked: fills rows, rowLengths, rowCount,
// symbolWidth, separators and separatorLengths of `symbol` from the pairs of `symbolCharacters`
// characters (4..22), at most `segmentsPerRow` (an even count 2..22) per row: every row between
// its guards, alternate rows reversed where the pairing calls for it, and the separator rows
// between stacked rows. With compositeFollows the separator above the top row is stored as well,
// as separators[3 * (rowCount - 1)].
void LayOutExpandedRows(const ExpandedPairs& pairs, int symbolCharacters, int segmentsPerRow,
                        bool compositeFollows, databar::ExpandedSymbol& symbol) {
  RowWriter(pairs, symbolCharacters, segmentsPerRow, compositeFollows, symbol).Write();
}

constexpr int kMinSegmentsPerRow = 2;
constexpr int kMaxSegmentsPerRow = 22;
constexpr int kMinSegmentsWithComposite = 4;
constexpr int kCompositeColumns = 4;
constexpr int kCompositeRowModules = 101;
constexpr int kCompositeRowLength = 53;

bool IsEmpty(const char* text) {
  return text == nullptr || text[0] == '\0';
}

bool IsValidRequest(const databar::DataBarSource& source) {
  const int segments = source.segmentsPerRow;
  if (IsEmpty(source.linearText) || segments < kMinSegmentsPerRow ||
      segments > kMaxSegmentsPerRow || segments % 2 != 0) {
    return false;
  }
  return source.hasComposite == 0 ||
         (segments >= kMinSegmentsWithComposite && !IsEmpty(source.compositeText));
}

// The 101-module rows of the component span the symbol's width: one more light module on the
// left puts the left row address pattern at module 2, the rest is light on the right. Rows are
// stored lowest first.
void StoreCompositeRows(const databar::CompositeRowBuffer& rows, int rowCount, int symbolWidth,
                        databar::ExpandedSymbol& symbol) {
  const int rightPadding = symbolWidth - kCompositeRowModules - 1;
  for (int r = 0; r < rowCount; ++r) {
    databar::ElementWidth* row = symbol.ccRows[r];
    for (int i = 0; i < databar::kCompositeRowCapacity; ++i)
      row[i] = rows[rowCount - 1 - r][i];
    ++row[0];
    WidenLightElement(row[kCompositeRowLength - 1], rightPadding);
  }
  symbol.ccRowLength = kCompositeRowLength;
  symbol.ccRowCount = rowCount;
}

// The encoder behind EncodeExpanded; returns its code.
int32_t BuildExpanded(const databar::DataBarSource& source, databar::ExpandedSymbol& symbol) {
  if (!IsValidRequest(source))
    return databar::kInvalidData;
  const bool hasComposite = source.hasComposite != 0;
  ExpandedPairs pairs{};
  int symbolCharacters = 0;
  if (const int32_t error = BuildExpandedCharacters(source.linearText, source.segmentsPerRow,
                                                    hasComposite, pairs, symbolCharacters)) {
    return error;
  }

  databar::CompositeRowBuffer compositeRows;  // the first compositeRowCount rows are written
  int compositeRowCount = 0;
  int32_t compositeError = databar::kEncodeOk;
  if (hasComposite) {
    compositeError =
        BuildComposite(kCompositeColumns, source.compositeText, compositeRows, compositeRowCount);
  }

  LayOutExpandedRows(pairs, symbolCharacters, source.segmentsPerRow, hasComposite, symbol);
  StoreCompositeRows(compositeRows, compositeRowCount, symbol.symbolWidth, symbol);
  return compositeError;
}

}  // namespace

int32_t EncodeExpanded(const databar::DataBarSource& source, databar::ExpandedSymbol& symbol) {
  databar::EncodeError = BuildExpanded(source, symbol);
  return databar::EncodeError;
}

}  // namespace composite
