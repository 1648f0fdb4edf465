#include "emulator/block_ledger.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BARQUILL_POISONS_SPARES 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define BARQUILL_POISONS_SPARES 1
#endif

#if defined(BARQUILL_POISONS_SPARES)
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#endif

namespace emulator {

BlockLedger::BlockLedger() {
  spares_.reserve(kMostSpares);  // so that keeping a block never allocates
}

// A kept block stays poisoned under the address sanitizer, so that using a block after freeing
// it is still caught.
BlockLedger::~BlockLedger() {
  for (const auto& [block, size] : held_)
    std::free(block);
  for (const auto& [size, block] : spares_) {
    ASAN_UNPOISON_MEMORY_REGION(block, size);
    std::free(block);
  }
}

void* BlockLedger::Allocate(size_t size) {
  if (size == 0)
    size = 1;
  void* block = nullptr;
  const auto spare = std::find_if(spares_.rbegin(), spares_.rend(),
                                  [&](const auto& kept) { return kept.first == size; });
  if (spare != spares_.rend()) {
    block = spare->second;
    spares_.erase(std::next(spare).base());
    ASAN_UNPOISON_MEMORY_REGION(block, size);
  } else {
    block = std::malloc(size);
  }
  if (block != nullptr) {
    try {
      held_.emplace_back(block, size);
    } catch (const std::bad_alloc&) {
      std::free(block);
      return nullptr;
    }
  }
  return block;
}

bool BlockLedger::Free(void* block) {
  const auto held = std::find_if(held_.rbegin(), held_.rend(),
                                 [&](const auto& entry) { return entry.first == block; });
  if (held == held_.rend())
    return false;
  const size_t size = held->second;
  held_.erase(std::next(held).base());
  if (spares_.size() == kMostSpares) {
    ASAN_UNPOISON_MEMORY_REGION(spares_.front().second, spares_.front().first);
    std::free(spares_.front().second);
    spares_.erase(spares_.begin());
  }
  ASAN_POISON_MEMORY_REGION(block, size);
  spares_.emplace_back(size, block);
  return true;
}

}  // namespace emulator
