#include "host/fixed.h"
#include "host/error.h"

#include <gtest/gtest.h>

namespace {

TEST(FixedTest, RealsTruncateTowardZero) {
  EXPECT_EQ(host::FixedFromReal(1.0), 0x10000);
  EXPECT_EQ(host::FixedFromReal(0.72), 47185);  // 0.72 * 65536 = 47185.92
  EXPECT_EQ(host::FixedFromReal(-0.72), -47185);
  EXPECT_EQ(host::FixedFromReal(1e12), INT32_MAX);
  EXPECT_EQ(host::FixedFromReal(-1e12), INT32_MIN);
}

TEST(FixedTest, FourCharCodesPackBigEndian) {
  EXPECT_EQ(host::kUnhandledMessage, 0x214D5347);
  EXPECT_EQ(host::kOutOfMemory, 0x214D454D);
  EXPECT_EQ(host::kPurgedMemory, 0x70466C73);
}

}  // namespace
