// Counts the heap allocations made by the calling thread: every operator new and every call of
// the C library's malloc family, while counting is on.
#pragma once

namespace alloc_test {

struct AllocationCount {
  long news = 0;     // operator new, all forms
  long mallocs = 0;  // malloc, calloc, realloc, aligned_alloc, posix_memalign, memalign
  long total() const { return news + mallocs; }
};

// Counts the allocations of the calling thread from construction to destruction.
class CountAllocations {
 public:
  CountAllocations();
  ~CountAllocations();
  CountAllocations(const CountAllocations&) = delete;
  CountAllocations& operator=(const CountAllocations&) = delete;

  // So far.
  AllocationCount count() const;
};

}  // namespace alloc_test
