#include "composite/expanded_rows.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>

#include "databar/separator.h"

namespace composite {
namespace {

using databar::ElementWidth;

constexpr int kGuardModules = 4;  // a space and a bar on each side

// The modules of `segments` symbol characters: 49 for a whole pair, 32 for a left character
// with its finder.
constexpr int SegmentModules(int segments) {
  return segments / 2 * 49 + segments % 2 * 32;
}

// A row of element widths being built, a space first.
struct ElementRow {
  databar::SeparatorRow widths{};
  int count = 0;

  void Append(int width) {
    assert(count < databar::kSeparatorCapacity);
    if (count < databar::kSeparatorCapacity)
      widths[count++] = static_cast<ElementWidth>(width);
  }

  void Prepend(int width) {
    assert(count < databar::kSeparatorCapacity);
    if (count >= databar::kSeparatorCapacity)
      return;
    std::memmove(widths + 1, widths, count);
    widths[0] = static_cast<ElementWidth>(width);
    ++count;
  }

  void Reverse() { std::reverse(widths, widths + count); }

  // Light modules on the right, so that the row spans the symbol: the trailing space is widened,
  // or a space appended after a final bar.
  void PadRight(int modules) {
    if (count % 2 == 0)
      Append(0);
    WidenLightElement(widths[count - 1], modules);
  }
};

// A row of bars with the separator that lies against it, above and below.
struct LaidOutRow {
  ElementRow bars;
  ElementRow separator;
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
ElementRow MiddleSeparator(int width) {
  ElementRow row;
  const int rightSpace = width % 2 == 1 ? 5 : 4;
  row.Append(5);
  for (int i = 0; i < width - 5 - rightSpace; ++i)
    row.Append(1);
  row.Append(rightSpace);
  return row;
}

class RowWriter {
 public:
  RowWriter(const ExpandedPairs& pairs, int symbolCharacters, int segmentsPerRow,
            bool compositeFollows, databar::ExpandedSymbol& symbol)
      : pairs_(pairs),
        segmentsPerRow_(segmentsPerRow),
        compositeFollows_(compositeFollows),
        geometry_(MeasureRows(symbolCharacters, segmentsPerRow)),
        middle_(MiddleSeparator(geometry_.width)),
        symbol_(symbol) {}

  // Rows from the bottom one upward. The reading direction of a row follows from the parity of
  // its first pair and of its place counted from the top row.
  void Write() {
    int first = geometry_.lastRowFirstSegment;
    bool flip = (geometry_.rowCount - 1) % 2 == 1;
    for (int r = 0; r < geometry_.rowCount; ++r) {
      Store(r, r == 0 ? LayOutBottomRow(first, flip)
                      : LayOutRow(first, geometry_.fullRowElements, IsReversed(first, flip)));
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

  // The row's data elements between its guards, reversed if asked; a row that would then begin
  // with a bar gets a leading space of width 0. Its separator is built from the data elements
  // in reading order and reversed with the row.
  LaidOutRow LayOutRow(int firstSegment, int elements, bool reversed) const {
    const ElementWidth* data = pairs_.data() + firstSegment / 2 * kExpandedPairElements;
    const bool spaceFirst = SpaceFirst(firstSegment);
    LaidOutRow row;
    row.bars.Append(1);
    row.bars.Append(1);
    for (int i = 0; i < elements; ++i)
      row.bars.Append(data[i]);
    row.bars.Append(1);
    row.bars.Append(1);
    row.separator.count =
        databar::BuildSeparator(data, row.separator.widths, elements, spaceFirst ? 1 : 0);
    if (reversed) {
      row.bars.Reverse();
      row.separator.Reverse();
    }
    if (reversed == spaceFirst)
      row.bars.Prepend(0);
    return row;
  }

  // The bottom row is padded on the right to the symbol's width. A bottom row that would be
  // reversed but has an odd number of data elements keeps its reading order instead and moves
  // one module to the right, its separator with it.
  LaidOutRow LayOutBottomRow(int firstSegment, bool flip) const {
    const int elements = geometry_.lastRowElements;
    const bool reversed = IsReversed(firstSegment, flip);
    if (reversed && elements % 2 == 1) {
      LaidOutRow row = LayOutRow(firstSegment, elements, false);
      ++row.bars.widths[0];
      ++row.separator.widths[0];
      row.bars.PadRight(geometry_.lastRowShortBy - 1);
      row.separator.PadRight(geometry_.lastRowShortBy - 1);
      return row;
    }
    LaidOutRow row = LayOutRow(firstSegment, elements, reversed);
    row.bars.PadRight(geometry_.lastRowShortBy);
    row.separator.PadRight(geometry_.lastRowShortBy);
    return row;
  }

  // Every row but the bottom one has its separator below it; every row but the top one (and
  // the top one under a 2D component) has it above it, and the middle separator above that.
  void Store(int r, const LaidOutRow& row) {
    const bool top = r == geometry_.rowCount - 1;
    if (r > 0)
      StoreSeparator(row.separator);
    StoreRow(r, row.bars);
    if (!top || compositeFollows_)
      StoreSeparator(row.separator);
    if (!top)
      StoreSeparator(middle_);
  }

  void StoreRow(int r, const ElementRow& row) {
    const int count = std::min(row.count, databar::kExpandedRowCapacity);
    std::memcpy(symbol_.rows[r], row.widths, count);
    symbol_.rowLengths[r] = count;
  }

  void StoreSeparator(const ElementRow& row) {
    assert(separatorCount_ < databar::kExpandedSeparatorCount);
    if (separatorCount_ >= databar::kExpandedSeparatorCount)
      return;
    std::memcpy(symbol_.separators[separatorCount_], row.widths, row.count);
    symbol_.separatorLengths[separatorCount_] = row.count;
    ++separatorCount_;
  }

  const ExpandedPairs& pairs_;
  const int segmentsPerRow_;
  const bool compositeFollows_;
  const RowGeometry geometry_;
  const ElementRow middle_;
  databar::ExpandedSymbol& symbol_;
  int separatorCount_ = 0;
};

}  // namespace

void WidenLightElement(ElementWidth& element, int modules) {
  element = static_cast<ElementWidth>(
      std::min<int>(element + modules, std::numeric_limits<ElementWidth>::max()));
}

void LayOutExpandedRows(const ExpandedPairs& pairs, int symbolCharacters, int segmentsPerRow,
                        bool compositeFollows, databar::ExpandedSymbol& symbol) {
  RowWriter(pairs, symbolCharacters, segmentsPerRow, compositeFollows, symbol).Write();
}

}  // namespace composite
