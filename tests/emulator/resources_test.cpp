#include <gtest/gtest.h>

#include <numeric>

#include "emulator/errors.h"
#include "tests/emulator/emulator_fixture.h"

namespace emulator {
namespace {

constexpr uint32_t kPngType = host::FourCharCode("PNGI");

class Resources : public EmulatorTest {
 protected:
  Resources() {
    const void* suite = nullptr;
    emulator_.basic()->AcquireSuite(host::DataFilterSuite::kName, host::DataFilterSuite::kVersion,
                                    &suite);
    filters_ = static_cast<const host::DataFilterSuite*>(suite);
  }
  ~Resources() override {
    emulator_.basic()->ReleaseSuite(host::DataFilterSuite::kName, host::DataFilterSuite::kVersion);
  }

  const host::DataFilterSuite* filters_;
};

TEST_F(Resources, ReadInChunksByNameInAnyCase) {
  std::vector<uint8_t> icon(2500);
  std::iota(icon.begin(), icon.end(), 0);
  emulator_.AddResource(kPngType, "PANEL_ICON", icon);

  host::DataFilterHandle filter = nullptr;
  ASSERT_EQ(filters_->OpenResource(nullptr, kPngType, 0, "panel_Icon", &filter), host::kNoError);
  EXPECT_EQ(emulator_.balance().filtersHeld, 1);
  std::vector<uint8_t> read;
  char chunk[1024];
  int32_t count = 0;
  do {
    count = sizeof chunk;
    ASSERT_EQ(filters_->Read(filter, chunk, &count), host::kNoError);
    read.insert(read.end(), chunk, chunk + count);
  } while (count == static_cast<int32_t>(sizeof chunk));
  EXPECT_EQ(read, icon);
  EXPECT_EQ(filters_->Close(filter), host::kNoError);
  EXPECT_NE(filters_->Close(filter), host::kNoError);
  EXPECT_EQ(emulator_.balance().filtersHeld, 0);
}

TEST_F(Resources, MissingResourcesAndBadCountsAreRefused) {
  emulator_.AddResource(kPngType, "PANEL_ICON", {1, 2, 3});
  host::DataFilterHandle filter = nullptr;
  EXPECT_EQ(filters_->OpenResource(nullptr, host::FourCharCode("BMPI"), 0, "PANEL_ICON", &filter),
            kNotFound);
  EXPECT_EQ(filters_->OpenResource(nullptr, kPngType, 0, "PANEL_ICONS", &filter), kNotFound);
  ASSERT_EQ(filters_->OpenResource(nullptr, kPngType, 0, "panel_icon", &filter), host::kNoError);
  char byte = 0;
  int32_t count = -1;
  EXPECT_EQ(filters_->Read(filter, &byte, &count), kBadParameter);
  EXPECT_EQ(filters_->Close(filter), host::kNoError);
}

}  // namespace
}  // namespace emulator
