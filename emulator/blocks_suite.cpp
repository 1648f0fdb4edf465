// Memory blocks, counted so that every flow can be checked to free what it allocates.
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

host::ErrorCode AllocateBlock(size_t size, const char* /*debugName*/, void** block) {
  return RunOperation("Blocks.AllocateBlock", [&](Emulator::State& state) {
    if (block == nullptr)
      return kBadParameter;
    *block = state.blocks.Allocate(size);
    return *block != nullptr ? host::kNoError : host::kOutOfMemory;
  });
}

host::ErrorCode FreeBlock(void* block) {
  return RunOperation("Blocks.FreeBlock", [&](Emulator::State& state) {
    return state.blocks.Free(block) ? host::kNoError : kBadHandle;
  });
}

}  // namespace

const host::BlocksSuite kBlocksSuite = {AllocateBlock, FreeBlock};

}  // namespace emulator
