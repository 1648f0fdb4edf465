// Memory blocks handed out through the blocks suite. Blocks still held when the emulator goes
// away are freed then, so a leaking flow shows up in the balance, not as lost memory.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace emulator {

class BlockLedger {
 public:
  BlockLedger();
  ~BlockLedger();
  BlockLedger(const BlockLedger&) = delete;
  BlockLedger& operator=(const BlockLedger&) = delete;

  // Null when memory is exhausted. A zero-byte request still gets a distinct block.
  void* Allocate(size_t size);
  // False when the block was not handed out here or was freed already.
  bool Free(void* block);
  int held() const { return static_cast<int>(held_.size()); }

 private:
  // The plug-in allocates a large record for every symbol and frees it again; the last few
  // freed blocks are kept for the next requests of their size, so that an emulator making many
  // symbols does not have the system find, clear and return such a block for each.
  static constexpr size_t kMostSpares = 4;

  // A flow holds a block or two at a time, so the blocks held are a short list, searched from its
  // end, where the latest is; a map would allocate a node for every block.
  std::vector<std::pair<void*, size_t>> held_;    // block and size
  std::vector<std::pair<size_t, void*>> spares_;  // size and block, the latest last
};

}  // namespace emulator
