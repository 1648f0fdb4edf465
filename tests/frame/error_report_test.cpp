#include "frame/error_report.h"

#include <gtest/gtest.h>

namespace frame {
namespace {

using host::FourCharCode;

TEST(ErrorReportTest, SilentCodesAreNeverReported) {
  ErrorReport report;
  for (const host::ErrorCode code :
       {FourCharCode("FMT?"), FourCharCode("pFls"), FourCharCode("S!Fd"), FourCharCode("!Acq"),
        FourCharCode("STOP"), host::ErrorCode{361}}) {
    EXPECT_FALSE(report.Record(code, 1000));
  }
  EXPECT_EQ(report.lastError(), host::kNoError);
  EXPECT_TRUE(report.Record(FourCharCode("!MEM"), 1000));
  EXPECT_TRUE(report.Record(362, 1000));
}

TEST(ErrorReportTest, RepeatsAreHeldBackForFiveSeconds) {
  const host::ErrorCode failure = FourCharCode("FAIL");
  const host::ErrorCode other = FourCharCode("OTHR");
  ErrorReport report;
  EXPECT_TRUE(report.Record(failure, 1000));
  EXPECT_FALSE(report.Record(failure, 1004));
  EXPECT_TRUE(report.Record(failure, 1005));
  EXPECT_TRUE(report.Record(other, 1005)) << "another code is reported at once";
  EXPECT_TRUE(report.Record(failure, 1006)) << "only the last reported code is held back";

  report.SetSuppressRepeats(false);
  EXPECT_TRUE(report.Record(failure, 1006));
}

}  // namespace
}  // namespace frame
