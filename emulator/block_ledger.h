// Memory blocks handed out through the blocks suite. Blocks still held when the emulator goes
// away are freed then, so a leaking flow shows up in the balance, not as lost memory.
#pragma once

#include <cstddef>
#include <unordered_map>

namespace emulator {

class BlockLedger {
 public:
  BlockLedger() = default;
  ~BlockLedger();
  BlockLedger(const BlockLedger&) = delete;
  BlockLedger& operator=(const BlockLedger&) = delete;

  // Null when memory is exhausted. A zero-byte request still gets a distinct block.
  void* Allocate(size_t size);
  // False when the block was not handed out here or was freed already.
  bool Free(void* block);
  int held() const { return static_cast<int>(blocks_.size()); }

 private:
  std::unordered_map<void*, size_t> blocks_;
};

}  // namespace emulator
