// Replaces the global operator new and delete and glibc's malloc family with versions that count
// and then hand the request to glibc's own allocator.
#include "tests/alloc/counting_allocator.h"

#include <cstddef>
#include <cstdlib>
#include <new>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);
}

namespace {

constinit thread_local bool tCounting = false;
constinit thread_local alloc_test::AllocationCount tCount;

void CountNew() {
  if (tCounting)
    ++tCount.news;
}

void CountMalloc() {
  if (tCounting)
    ++tCount.mallocs;
}

void* New(size_t size) {
  CountNew();
  void* pointer = __libc_malloc(size == 0 ? 1 : size);
  if (pointer == nullptr)
    throw std::bad_alloc();
  return pointer;
}

void* AlignedNew(size_t size, std::align_val_t alignment) {
  CountNew();
  void* pointer = __libc_memalign(static_cast<size_t>(alignment), size == 0 ? 1 : size);
  if (pointer == nullptr)
    throw std::bad_alloc();
  return pointer;
}

}  // namespace

namespace alloc_test {

CountAllocations::CountAllocations() {
  tCount = {};
  tCounting = true;
}

CountAllocations::~CountAllocations() {
  tCounting = false;
}

AllocationCount CountAllocations::count() const {
  return tCount;
}

}  // namespace alloc_test

extern "C" {

void* malloc(size_t size) {
  CountMalloc();
  return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
  CountMalloc();
  return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size) {
  CountMalloc();
  return __libc_realloc(pointer, size);
}

void* memalign(size_t alignment, size_t size) {
  CountMalloc();
  return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
  CountMalloc();
  return __libc_memalign(alignment, size);
}

int posix_memalign(void** pointer, size_t alignment, size_t size) {
  CountMalloc();
  *pointer = __libc_memalign(alignment, size);
  return *pointer == nullptr ? 12 /* ENOMEM */ : 0;
}

void free(void* pointer) {
  __libc_free(pointer);
}

}  // extern "C"

void* operator new(size_t size) {
  return New(size);
}
void* operator new[](size_t size) {
  return New(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  CountNew();
  return __libc_malloc(size == 0 ? 1 : size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  CountNew();
  return __libc_malloc(size == 0 ? 1 : size);
}
void* operator new(size_t size, std::align_val_t alignment) {
  return AlignedNew(size, alignment);
}
void* operator new[](size_t size, std::align_val_t alignment) {
  return AlignedNew(size, alignment);
}

void operator delete(void* pointer) noexcept {
  __libc_free(pointer);
}
void operator delete[](void* pointer) noexcept {
  __libc_free(pointer);
}
void operator delete(void* pointer, size_t) noexcept {
  __libc_free(pointer);
}
void operator delete[](void* pointer, size_t) noexcept {
  __libc_free(pointer);
}
void operator delete(void* pointer, std::align_val_t) noexcept {
  __libc_free(pointer);
}
void operator delete[](void* pointer, std::align_val_t) noexcept {
  __libc_free(pointer);
}
void operator delete(void* pointer, size_t, std::align_val_t) noexcept {
  __libc_free(pointer);
}
void operator delete[](void* pointer, size_t, std::align_val_t) noexcept {
  __libc_free(pointer);
}
