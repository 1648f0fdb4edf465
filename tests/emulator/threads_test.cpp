#include <gtest/gtest.h>

#include <thread>

#include "emulator/emulator.h"

namespace emulator {
namespace {

template <typename Suite>
const Suite* Acquire(const Emulator& emulator) {
  const void* suite = nullptr;
  emulator.basic()->AcquireSuite(Suite::kName, Suite::kVersion, &suite);
  return static_cast<const Suite*>(suite);
}

// Fills this thread's own document with paths through the suites, with no global suite pointers.
void DrawPaths(int count, int* made, int* seenOnThisThread) {
  Emulator emulator;
  Document& document = emulator.NewDocument();
  const auto* layers = Acquire<host::LayerSuite>(emulator);
  const auto* art = Acquire<host::ArtSuite>(emulator);
  host::LayerHandle layer = nullptr;
  host::ArtHandle group = nullptr;
  layers->GetCurrentLayer(&layer);
  art->GetFirstArtOfLayer(layer, &group);
  for (int i = 0; i < count; ++i) {
    host::ArtHandle path = nullptr;
    if (art->NewArt(host::kPathArt, host::kPlaceInsideOnTop, group, &path) == host::kNoError) {
      ++*made;
    }
  }
  *seenOnThisThread = document.Count(ArtKind::kPath);
}

TEST(EmulatorThreads, EachThreadSeesOnlyItsOwnEmulator) {
  Emulator onMainThread;
  int made[2] = {}, seen[2] = {};
  std::thread first(DrawPaths, 300, &made[0], &seen[0]);
  std::thread second(DrawPaths, 500, &made[1], &seen[1]);
  first.join();
  second.join();
  EXPECT_EQ(made[0], 300);
  EXPECT_EQ(seen[0], 300);
  EXPECT_EQ(made[1], 500);
  EXPECT_EQ(seen[1], 500);
  EXPECT_EQ(Emulator::Current(), &onMainThread);
  EXPECT_EQ(onMainThread.document(), nullptr);
}

TEST(EmulatorThreads, NestedEmulatorsRestoreThePreviousOne) {
  Emulator outer;
  {
    Emulator inner;
    EXPECT_EQ(Emulator::Current(), &inner);
  }
  EXPECT_EQ(Emulator::Current(), &outer);
}

}  // namespace
}  // namespace emulator
