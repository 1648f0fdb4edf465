// A path's segments. Nearly every path of a symbol is a bar, a rectangle of four segments, and a
// symbol has hundreds of them: those four are held inside the path, so that making and
// destroying a bar costs no allocation. Longer paths (glyph outlines) move to the heap.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>

#include "host/geometry.h"

namespace emulator {

class SegmentList {
 public:
  SegmentList() = default;
  SegmentList(const SegmentList& other) { *this = other; }
  SegmentList& operator=(const SegmentList& other) {
    if (this != &other) {
      size_ = 0;
      reserve(other.size_);
      std::copy(other.begin(), other.end(), data());
      size_ = other.size_;
    }
    return *this;
  }
  // A moved list takes the heap block where there is one; four inline segments are copied.
  SegmentList(SegmentList&& other) noexcept { *this = std::move(other); }
  SegmentList& operator=(SegmentList&& other) noexcept {
    if (this == &other)
      return *this;
    if (other.heap_) {
      heap_ = std::move(other.heap_);
      capacity_ = other.capacity_;
    } else {
      std::copy(other.begin(), other.end(), data());
    }
    size_ = other.size_;
    other.size_ = 0;
    other.capacity_ = kInlineSegments;
    return *this;
  }

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  size_t capacity() const { return capacity_; }

  host::PathSegment* data() { return heap_ ? heap_.get() : inline_; }
  const host::PathSegment* data() const { return heap_ ? heap_.get() : inline_; }
  host::PathSegment* begin() { return data(); }
  host::PathSegment* end() { return data() + size_; }
  const host::PathSegment* begin() const { return data(); }
  const host::PathSegment* end() const { return data() + size_; }
  host::PathSegment& operator[](size_t i) { return data()[i]; }
  const host::PathSegment& operator[](size_t i) const { return data()[i]; }
  host::PathSegment& front() { return data()[0]; }
  const host::PathSegment& front() const { return data()[0]; }
  host::PathSegment& back() { return data()[size_ - 1]; }
  const host::PathSegment& back() const { return data()[size_ - 1]; }

  void reserve(size_t count) {
    if (count <= capacity_)
      return;
    auto grown = std::make_unique<host::PathSegment[]>(count);
    std::copy(begin(), end(), grown.get());
    heap_ = std::move(grown);
    capacity_ = count;
  }

  // New segments are default segments (corner points at the origin), as std::vector makes them.
  void resize(size_t count) {
    reserve(count);
    if (count > size_)
      std::fill(data() + size_, data() + count, host::PathSegment{});
    size_ = count;
  }

 private:
  static constexpr size_t kInlineSegments = 4;

  size_t size_ = 0;
  size_t capacity_ = kInlineSegments;
  std::unique_ptr<host::PathSegment[]> heap_;
  host::PathSegment inline_[kInlineSegments];
};

}  // namespace emulator
