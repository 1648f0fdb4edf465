#include "core/separator.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>

namespace databar {

namespace {

// The first three widths of every finder pattern add up to this.
constexpr int32_t kFinderHeadModules = 13;

// Writes the separator of one row from its inner widths; i walks the widths, p the output.
class SeparatorWriter {
 public:
  SeparatorWriter(const ElementWidth* widths, int32_t count, SeparatorRow& out)
      : widths_(widths), count_(count), out_(out) {}

  int32_t Build(int32_t firstIsSpace) {
    WriteLeftEnd(firstIsSpace);
    while (i_ < count_) {
      Set(p_, Width(i_));
      if (Width(i_) + Width(i_ + 1) + Width(i_ + 2) == kFinderHeadModules)
        CrossFinder();
      ++i_;
      ++p_;
    }
    return WriteRightEnd();
  }

 private:
  int32_t Width(int32_t i) const { return i < count_ ? widths_[i] : 0; }

  int32_t Get(int32_t p) const { return p >= 0 && p < kSeparatorCapacity ? out_[p] : 0; }

  // Rows of the symbologies never come near the capacity; a malformed row cannot write past it.
  void Set(int32_t p, int32_t value) {
    assert(p >= 0 && p < kSeparatorCapacity);
    if (p >= 0 && p < kSeparatorCapacity)
      out_[p] = static_cast<ElementWidth>(value);
  }

  // Two guard modules, then widths until more than 4 modules are covered: 4 light modules and
  // the complement of the rest, or all light.
  void WriteLeftEnd(int32_t firstIsSpace) {
    int32_t modules = 2;
    while (modules <= 4 && i_ < count_)
      modules += Width(i_++);
    const bool endsOnSpace = (firstIsSpace == 1) == (i_ % 2 == 1);
    if (endsOnSpace) {
      Set(0, 4);
      Set(1, modules - 4);
      p_ = 2;
    } else {
      Set(0, modules);
      p_ = 1;
    }
  }

  // Over one finder element: single alternating modules, the last of them merged with or
  // followed by the next element.
  void Alternate() {
    const int32_t n = Width(i_);
    for (int32_t k = 0; k < n; ++k)
      Set(p_ + k, 1);
    p_ += n - 1;
    ++i_;
    if (n % 2 == 0) {
      Set(p_, Get(p_) + Width(i_));
    } else {
      ++p_;
      Set(p_, Width(i_));
    }
  }

  void CrossFinder() {
    if (p_ % 2 == 1) {
      Alternate();
      ++i_;
      ++p_;
      Alternate();
      return;
    }
    ++i_;
    if (Width(i_) > 1) {
      ++p_;
      Alternate();
    } else {
      ++i_;
      Set(p_, 10);
      Set(p_ + 1, 1);
      Set(p_ + 2, 2);
      p_ += 2;
    }
  }

  // The last elements are replaced so that the row ends with 4 light modules.
  int32_t WriteRightEnd() {
    int32_t p = p_ - 1;
    int32_t modules = 2;
    while (modules <= 4 && p > 0)
      modules += Get(p--);
    if (p % 2 == 0) {
      Set(p + 1, modules - 4);
      Set(p + 2, 4);
      return p + 3;
    }
    Set(p + 1, modules);
    return p + 2;
  }

  const ElementWidth* widths_;
  int32_t count_;
  SeparatorRow& out_;
  int32_t i_ = 0;
  int32_t p_ = 0;
};

constexpr int kStackedColumns = 46;
constexpr int kLowerRowStart = 21;

// The colours of a stacked row's first 46 modules as bits, 1 for a bar; the row's elements are
// inner[first] to inner[end - 1], those of odd index bars. A row whose widths add up to fewer
// modules goes on in the colour of the element after its last; nothing past `end` is read.
uint64_t RowModules(const InnerWidths& inner, int32_t first, int32_t end) {
  uint64_t bars = 0;
  int32_t column = 0;
  for (int32_t i = first; i < end && column < kStackedColumns; ++i) {
    const int32_t width = std::min<int32_t>(inner[i], kStackedColumns - column);
    if (i % 2 == 1)
      bars |= ((uint64_t{1} << width) - 1) << column;
    column += width;
  }
  if (column < kStackedColumns && end % 2 == 1)
    bars |= ((uint64_t{1} << kStackedColumns) - 1) & (~uint64_t{0} << column);
  return bars;
}

// The column-by-column pass: a 1-module light element, then the separator's 46 modules, where
// the rows agree the complement of their colour and where they differ the opposite of the module
// before, as runs of one colour; the right guard's complement ends it. Returns the number of
// elements written, at most 49.
int32_t WriteStackedColumns(const InnerWidths& inner, SeparatorRow& out) {
  constexpr uint64_t kColumns = (uint64_t{1} << kStackedColumns) - 1;
  constexpr uint64_t kEvenBits = 0x5555555555555555u;
  const uint64_t upper = RowModules(inner, 0, kLowerRowStart);
  const uint64_t differ = upper ^ RowModules(inner, kLowerRowStart, kInnerWidthCount);
  // Bit k + 1 is module k; bit 0 the light module before it. All columns at once: where the rows
  // differ, a run of columns alternates, starting with the opposite of the module before the run,
  // which is one where they agree (or the light module). Adding a bit at a run's start carries
  // through the run, so x ^ (runs + x) marks the runs that start where x has a bit.
  const uint64_t complement = (~upper & kColumns) << 1;
  const uint64_t runs = differ << 1;
  const uint64_t starts = runs & ~(runs << 1);
  const auto runsStartingAt = [runs](uint64_t bits) { return (runs ^ (runs + bits)) & runs; };
  const uint64_t afterBar = runsStartingAt((complement << 1) & starts);
  const uint64_t fromEvenBit = runsStartingAt(starts & kEvenBits);
  // 1 at a run's first module, its third, and so on.
  const uint64_t opposite = (fromEvenBit & kEvenBits) | (runs & ~fromEvenBit & ~kEvenBits);
  const uint64_t modules = (complement & ~runs) | (afterBar ^ opposite);
  // A run ends at every bit whose next differs.
  uint64_t ends = (modules ^ (modules >> 1)) & kColumns;
  int32_t length = 0;
  int32_t start = 0;
  while (ends != 0) {
    const int32_t last = std::countr_zero(ends);
    out[length++] = static_cast<ElementWidth>(last + 1 - start);
    start = last + 1;
    ends &= ends - 1;
  }
  out[length++] = static_cast<ElementWidth>(kStackedColumns + 1 - start);
  out[length] = 1;
  out[length + 1] = 1;
  return length + 2;
}

}  // namespace

int32_t BuildSeparator(const ElementWidth* widths, SeparatorRow& out, int32_t count,
                       int32_t firstIsSpace) {
  return SeparatorWriter(widths, count, out).Build(firstIsSpace);
}

int32_t BuildStackedSeparator(const InnerWidths& inner, SeparatorRow& out) {
  const int32_t length = WriteStackedColumns(inner, out);

  // Left end: 4 light modules. The scans stop at the ends of what was written, also for a row
  // of malformed widths.
  int32_t modules = 0;
  int32_t k = 0;
  while (modules < 4 && k < length)
    modules += out[k++];
  int32_t p;
  if (k % 2 == 0) {
    out[0] = 4;
    out[1] = static_cast<ElementWidth>(modules - 3);
    p = 2;
  } else {
    const int32_t next = k + 1 < length ? out[k + 1] : 0;
    modules += next;
    int32_t shorter = 0;  // the largest of 8..1 below the next element
    for (int32_t l = 8; l >= 1; --l) {
      if (l < next) {
        shorter = l;
        break;
      }
    }
    out[0] = static_cast<ElementWidth>(modules - shorter);
    p = 1;
  }
  std::copy(out + k, out + length, out + p);  // k >= p: a forward copy
  p += length - k;

  // Right end: 4 light modules.
  --p;
  modules = 0;
  while (modules <= 4 && p >= 0)
    modules += out[p--];
  if (p % 2 == 0) {
    out[p + 1] = static_cast<ElementWidth>(modules - 4);
    out[p + 2] = 4;
    return p + 3;
  }
  out[p + 1] = static_cast<ElementWidth>(modules);
  return p + 2;
}

}  // namespace databar
