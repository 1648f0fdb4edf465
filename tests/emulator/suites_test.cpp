#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "emulator/emulator.h"
#include "emulator/errors.h"
#include "host/suite_acquisition.h"
#include "host/suite_list.h"
#include "host/suite_pointers.h"
#include "tests/emulator/emulator_fixture.h"

namespace emulator {
namespace {

TEST(SuiteAcquisition, ByExactNameAndVersionOnly) {
  Emulator emulator;
  const host::BasicSuite* basic = emulator.basic();
  const void* suite = nullptr;
  ASSERT_EQ(basic->AcquireSuite("AI Art Suite", 16, &suite), host::kNoError);
  EXPECT_NE(suite, nullptr);

  const void* untouched = &emulator;
  EXPECT_NE(basic->AcquireSuite("AI Art Suite", 15, &untouched), host::kNoError);
  EXPECT_NE(basic->AcquireSuite("ai art suite", 16, &untouched), host::kNoError);
  EXPECT_NE(basic->AcquireSuite("AI Art Suite ", 16, &untouched), host::kNoError);
  EXPECT_EQ(untouched, &emulator);

  EXPECT_EQ(emulator.suiteCount("AI Art Suite").acquired, 1);
  EXPECT_EQ(emulator.CallCount("Basic.AcquireSuite"), 4);
  EXPECT_EQ(emulator.balance().suitesHeld, 1);
  ASSERT_EQ(basic->ReleaseSuite("AI Art Suite", 16), host::kNoError);
  EXPECT_TRUE(emulator.balance().balanced());
}

TEST(SuiteAcquisition, EverySuiteThePluginListsIsOfferedAndBalances) {
  Emulator emulator;
  {
    host::ScopedSuites suites(emulator.basic());
    ASSERT_EQ(suites.result(), host::kNoError);
    EXPECT_EQ(emulator.suiteCount("AI Layer Suite").acquired, 1);
    EXPECT_GT(emulator.balance().suitesHeld, 25);
  }
  EXPECT_TRUE(emulator.balance().balanced());
  EXPECT_EQ(emulator.suiteCount("AI Layer Suite").released, 1);
}

TEST(SuiteAcquisition, FailingOneSuiteByNameLeavesTheOthersAlone) {
  Emulator emulator;
  emulator.FailAcquire("AI Layer Suite", 0);
  host::ScopedSuites suites(emulator.basic());
  EXPECT_EQ(suites.result(), kInjectedError);
  EXPECT_EQ(host::sLayer, nullptr);
  EXPECT_EQ(emulator.suiteCount("AI Layer Suite").acquired, 0);
  EXPECT_EQ(emulator.suiteCount("AI Document View Suite").acquired, 1);
}

TEST(SuiteAcquisition, ReleasingASuiteNotHeldFailsAndShowsInTheBalance) {
  Emulator emulator;
  EXPECT_NE(emulator.basic()->ReleaseSuite("AI Art Suite", 16), host::kNoError);
  EXPECT_EQ(emulator.balance().suitesHeld, -1);
  EXPECT_FALSE(emulator.balance().balanced());
}

TEST(SuiteCalls, FailWithoutACurrentEmulator) {
  const void* suite = nullptr;
  {
    Emulator emulator;
    ASSERT_EQ(emulator.basic()->AcquireSuite("SP Blocks Suite", 2, &suite), host::kNoError);
  }
  void* block = nullptr;
  EXPECT_EQ(static_cast<const host::BlocksSuite*>(suite)->AllocateBlock(8, "", &block),
            kNoEmulator);
}

using FaultInjection = EmulatorTest;

TEST_F(FaultInjection, NthCallFailsWithoutEffectAndEveryCallIsCounted) {
  emulator_.FailCall("Art.NewArt", 2, host::FourCharCode("TEST"));
  const host::ArtHandle group = Group();
  host::ArtHandle art[3] = {};
  EXPECT_EQ(host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop, group, &art[0]),
            host::kNoError);
  EXPECT_EQ(host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop, group, &art[1]),
            host::FourCharCode("TEST"));
  EXPECT_EQ(host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop, group, &art[2]),
            host::kNoError);
  EXPECT_EQ(art[1], nullptr);
  EXPECT_EQ(document_.Count(ArtKind::kPath), 2);
  EXPECT_EQ(emulator_.CallCount("Art.NewArt"), 3);
}

TEST_F(FaultInjection, NthZeroFailsEveryCallUntilCleared) {
  emulator_.FailCall("Blocks.AllocateBlock", 0);
  void* block = nullptr;
  EXPECT_EQ(host::sBlocks->AllocateBlock(4, "a", &block), kInjectedError);
  EXPECT_EQ(host::sBlocks->AllocateBlock(4, "b", &block), kInjectedError);
  EXPECT_EQ(emulator_.balance().blocksHeld, 0);
  emulator_.ClearFailures();
  ASSERT_EQ(host::sBlocks->AllocateBlock(4, "c", &block), host::kNoError);
  EXPECT_EQ(host::sBlocks->FreeBlock(block), host::kNoError);
  EXPECT_EQ(emulator_.CallCount("Blocks.AllocateBlock"), 3);
}

TEST_F(FaultInjection, NoDocumentIsTheLayerSuitesFailure) {
  emulator_.CloseDocument();
  host::LayerHandle layer = nullptr;
  host::DocumentViewHandle view = nullptr;
  EXPECT_NE(host::sLayer->GetCurrentLayer(&layer), host::kNoError);
  EXPECT_NE(host::sDocumentView->GetNthDocumentView(0, &view), host::kNoError);
}

using Balance = EmulatorTest;

TEST_F(Balance, BlocksMustBeFreedOnceAndOnlyIfHandedOut) {
  void* block = nullptr;
  ASSERT_EQ(host::sBlocks->AllocateBlock(0, "empty", &block), host::kNoError);
  EXPECT_EQ(emulator_.balance().blocksHeld, 1);
  int local = 0;
  EXPECT_NE(host::sBlocks->FreeBlock(&local), host::kNoError);
  EXPECT_EQ(host::sBlocks->FreeBlock(block), host::kNoError);
  EXPECT_NE(host::sBlocks->FreeBlock(block), host::kNoError);
  EXPECT_EQ(emulator_.balance().blocksHeld, 0);
}

// Freed blocks are kept for the next request of their size, but a block is never handed out
// twice while held.
TEST_F(Balance, FreedBlocksServeLaterRequestsOnlyOnceFreed) {
  void* first = nullptr;
  ASSERT_EQ(host::sBlocks->AllocateBlock(4096, "record", &first), host::kNoError);
  ASSERT_EQ(host::sBlocks->FreeBlock(first), host::kNoError);
  std::vector<void*> held;
  for (const size_t size : {4096, 4096, 16, 4096}) {
    void* block = nullptr;
    ASSERT_EQ(host::sBlocks->AllocateBlock(size, "record", &block), host::kNoError);
    EXPECT_EQ(std::count(held.begin(), held.end(), block), 0);
    held.push_back(block);
  }
  EXPECT_EQ(emulator_.balance().blocksHeld, 4);
  for (void* block : held)
    EXPECT_EQ(host::sBlocks->FreeBlock(block), host::kNoError);
  EXPECT_NE(host::sBlocks->FreeBlock(held.front()), host::kNoError);
  EXPECT_EQ(emulator_.balance().blocksHeld, 0);
}

TEST_F(Balance, ContextsPopInnermostFirst) {
  host::AppContextHandle outer = nullptr;
  host::AppContextHandle inner = nullptr;
  ASSERT_EQ(host::sContext->PushAppContext(nullptr, &outer), host::kNoError);
  ASSERT_EQ(host::sContext->PushAppContext(nullptr, &inner), host::kNoError);
  EXPECT_EQ(emulator_.balance().contextsHeld, 2);
  EXPECT_NE(host::sContext->PopAppContext(outer), host::kNoError);
  EXPECT_EQ(host::sContext->PopAppContext(inner), host::kNoError);
  EXPECT_EQ(host::sContext->PopAppContext(outer), host::kNoError);
  EXPECT_NE(host::sContext->PopAppContext(outer), host::kNoError);
  EXPECT_EQ(emulator_.balance().contextsHeld, 0);
}

TEST_F(Balance, StringsAndAlerts) {
  host::UnicodeStringHandle text = nullptr;
  ASSERT_EQ(host::sUnicodeString->NewFromUtf16(u"入力エラー\0tail", -1, &text), host::kNoError);
  EXPECT_EQ(emulator_.balance().stringsHeld, 1);
  EXPECT_EQ(host::sUser->MessageAlert(text), host::kNoError);
  EXPECT_EQ(host::sUser->ErrorAlert(42), host::kNoError);
  EXPECT_EQ(host::sUnicodeString->Dispose(text), host::kNoError);
  EXPECT_NE(host::sUnicodeString->Dispose(text), host::kNoError);
  EXPECT_NE(host::sUser->MessageAlert(text), host::kNoError);
  ASSERT_EQ(emulator_.alerts().size(), 1u);
  EXPECT_EQ(emulator_.alerts()[0], "入力エラー");
  EXPECT_EQ(emulator_.errorAlerts(), std::vector<host::ErrorCode>{42});
  EXPECT_EQ(emulator_.balance().stringsHeld, 0);
}

}  // namespace
}  // namespace emulator
