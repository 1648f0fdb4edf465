#include <gtest/gtest.h>

#include <limits>

#include "emulator/emulator.h"
#include "host/suites.h"

namespace emulator {
namespace {

class FixedMath : public ::testing::Test {
 protected:
  FixedMath() {
    const void* fixed = nullptr;
    const void* real = nullptr;
    emulator_.basic()->AcquireSuite(host::FixedMathSuite::kName, host::FixedMathSuite::kVersion,
                                    &fixed);
    emulator_.basic()->AcquireSuite(host::RealMathSuite::kName, host::RealMathSuite::kVersion,
                                    &real);
    fixed_ = static_cast<const host::FixedMathSuite*>(fixed);
    real_ = static_cast<const host::RealMathSuite*>(real);
  }

  Emulator emulator_;
  const host::FixedMathSuite* fixed_;
  const host::RealMathSuite* real_;
};

constexpr host::Fixed kMax = std::numeric_limits<host::Fixed>::max();
constexpr host::Fixed kMin = std::numeric_limits<host::Fixed>::min();

TEST_F(FixedMath, MultiplyAndDivideTruncateTowardZero) {
  // 0.72 pt (fixed 47185) times 3 modules: exact product 141555, no rounding up.
  EXPECT_EQ(fixed_->FixedMul(47185, 3 << 16), 141555);
  // 1.5 * 1/65536 = 1.5 units: truncated to 1, and to -1 (not -2) when negative.
  EXPECT_EQ(fixed_->FixedMul(0x18000, 1), 1);
  EXPECT_EQ(fixed_->FixedMul(-0x18000, 1), -1);
  EXPECT_EQ(fixed_->FixedMul(0x18000, -1), -1);
  // 1/3 = 21845.33 units; -1/3 truncates to -21845.
  EXPECT_EQ(fixed_->FixedDiv(1 << 16, 3 << 16), 21845);
  EXPECT_EQ(fixed_->FixedDiv(-(1 << 16), 3 << 16), -21845);
}

TEST_F(FixedMath, OverflowSaturatesInsteadOfWrapping) {
  EXPECT_EQ(fixed_->FixedMul(30000 << 16, 30000 << 16), kMax);
  EXPECT_EQ(fixed_->FixedMul(-(30000 << 16), 30000 << 16), kMin);
  EXPECT_EQ(fixed_->FixedAdd(kMax, 1), kMax);
  EXPECT_EQ(fixed_->FixedAdd(kMin, -1), kMin);
  EXPECT_EQ(fixed_->FixedDiv(5 << 16, 0), kMax);
  EXPECT_EQ(fixed_->FixedDiv(-5, 0), kMin);
}

TEST_F(FixedMath, RealConversions) {
  EXPECT_EQ(fixed_->FixedToReal(-0x18000), -1.5f);
  EXPECT_EQ(fixed_->RealToFixed(0.72f), 47185);    // 47185.92 truncated
  EXPECT_EQ(fixed_->RealToFixed(-0.72f), -47185);  // toward zero, not down
  EXPECT_EQ(fixed_->RealToFixed(1e9f), kMax);

  const host::FixedRect fixed{1 << 16, 4 << 16, 3 << 16, -(2 << 16) - 0x8000};
  host::RealRect rect;
  real_->FixedRectToRealRect(&fixed, &rect);
  EXPECT_EQ(rect.left, 1.0f);
  EXPECT_EQ(rect.top, 4.0f);
  EXPECT_EQ(rect.right, 3.0f);
  EXPECT_EQ(rect.bottom, -2.5f);

  const host::RealPoint point{0.72f, -0.72f};
  host::FixedPoint back;
  real_->RealPointToFixedPoint(&point, &back);
  EXPECT_EQ(back.h, 47185);
  EXPECT_EQ(back.v, -47185);
}

}  // namespace
}  // namespace emulator
