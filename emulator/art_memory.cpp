// The memory of arts: a free list per thread. The general allocator keeps few blocks of an
// art's size at hand, so without it most arts cost a search of its bins and their destruction a
// merge of neighbouring blocks.
#include <new>
#include <vector>

#include "emulator/art.h"

namespace emulator {

namespace {

// The blocks of the arts this thread destroyed, given back to the system when it ends.
class FreeBlocks {
 public:
  ~FreeBlocks() {
    for (void* block : blocks_)
      ::operator delete(block);
  }

  void* Take() {
    if (blocks_.empty())
      return nullptr;
    void* block = blocks_.back();
    blocks_.pop_back();
    return block;
  }

  // False when the block cannot be kept.
  bool Keep(void* block) noexcept {
    try {
      blocks_.push_back(block);
      return true;
    } catch (const std::bad_alloc&) {
      return false;
    }
  }

 private:
  std::vector<void*> blocks_;
};

thread_local FreeBlocks tFreeArts;

}  // namespace

void* Art::operator new(size_t size) {
  if (size == sizeof(Art)) {
    if (void* block = tFreeArts.Take())
      return block;
  }
  return ::operator new(size);
}

void Art::operator delete(void* art, size_t size) noexcept {
  if (art == nullptr)
    return;
  if (size != sizeof(Art) || !tFreeArts.Keep(art))
    ::operator delete(art);
}

}  // namespace emulator
