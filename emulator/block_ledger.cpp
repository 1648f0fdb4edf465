#include "emulator/block_ledger.h"

#include <cstdlib>

namespace emulator {

BlockLedger::~BlockLedger() {
  for (const auto& [block, size] : blocks_)
    std::free(block);
}

void* BlockLedger::Allocate(size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block != nullptr)
    blocks_.emplace(block, size);
  return block;
}

bool BlockLedger::Free(void* block) {
  if (blocks_.erase(block) == 0)
    return false;
  std::free(block);
  return true;
}

}  // namespace emulator
