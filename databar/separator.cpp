#include "databar/separator.h"

#include <cassert>

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

// The inner width at index i of the row that ends before `end`; past the row's end 0, so that a
// row whose widths add up to fewer than 46 modules is never read beyond.
int32_t RowWidth(const InnerWidths& inner, int32_t i, int32_t end) {
  return i < end ? inner[i] : 0;
}

// The column-by-column pass: out[0] is a 1-module light element, then one element per run of
// columns where the rows agree (their complement) and single modules where they differ; the
// right guard's complement ends it. Returns the number of elements written, at most 3 per column.
int32_t WriteStackedColumns(const InnerWidths& inner, SeparatorRow& out) {
  out[0] = 1;
  int32_t length = 1;
  int32_t run = 0;
  int32_t upper = 0;               // next element of the upper row
  int32_t lower = kLowerRowStart;  // next element of the lower row
  int32_t upperLeft = 0;           // modules left in the current elements
  int32_t lowerLeft = 0;
  for (int column = 0; column < kStackedColumns; ++column) {
    if (upperLeft == 0)
      upperLeft = RowWidth(inner, upper++, kLowerRowStart);
    if (lowerLeft == 0)
      lowerLeft = RowWidth(inner, lower++, kInnerWidthCount);
    if ((upper - lower) % 2 != 0) {  // the rows differ in colour here
      if (run > 0) {
        out[length++] = static_cast<ElementWidth>(run);
        run = 0;
      }
      out[length++] = 1;
    } else if (run == 0) {
      if ((upper - length) % 2 == 0) {
        run = 1;
      } else {
        --length;  // extend the single module written last
        run = 2;
      }
    } else if ((upper - length) % 2 != 0) {
      out[length++] = static_cast<ElementWidth>(run);
      run = 1;
    } else {
      ++run;
    }
    --upperLeft;
    --lowerLeft;
  }
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
  while (k < length)
    out[p++] = out[k++];

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
