// The memory of arts: a free list per thread. The general allocator keeps few blocks of an
// art's size at hand, so without it most arts cost a search of its bins and their destruction a
// merge of neighbouring blocks.
//
// The list runs through the free blocks themselves, so this thread's state is one plain pointer:
// a thread_local object with a destructor is unsafe where thread-local storage is emulated
// (mingw-w64 can free the storage before the destructor runs when a thread ends). The blocks go
// back to the system when the thread's last emulator ends; an art destroyed while no emulator is
// current is given back at once.
#include <new>

#include "emulator/art.h"
#include "emulator/emulator.h"

namespace emulator {

namespace {

struct FreeBlock {
  FreeBlock* next;
};
static_assert(sizeof(FreeBlock) <= sizeof(Art));

constinit thread_local FreeBlock* tFreeArts = nullptr;

}  // namespace

void* Art::operator new(size_t size) {
  if (size == sizeof(Art) && tFreeArts != nullptr) {
    FreeBlock* block = tFreeArts;
    tFreeArts = block->next;
    return block;
  }
  return ::operator new(size);
}

void Art::operator delete(void* art, size_t size) noexcept {
  if (art == nullptr)
    return;
  if (size != sizeof(Art) || Emulator::Current() == nullptr) {
    ::operator delete(art);
    return;
  }
  tFreeArts = new (art) FreeBlock{tFreeArts};
}

void ReleaseFreeArts() noexcept {
  while (tFreeArts != nullptr) {
    FreeBlock* block = tFreeArts;
    tFreeArts = block->next;
    ::operator delete(block);
  }
}

}  // namespace emulator
