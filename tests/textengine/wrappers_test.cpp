#include <gtest/gtest.h>

#include <utility>

#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "host/suite_pointers.h"
#include "textengine/char_features.h"
#include "textengine/exception.h"
#include "textengine/text_engine_font.h"
#include "textengine/text_range.h"

namespace {

class TextEngineWrapperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_ = &emulator_.NewDocument();
    ASSERT_EQ(suites_.result(), host::kNoError);
  }

  int Held() const { return emulator_.balance().textObjectsHeld; }

  // The range of a new point-text frame, adopted from the host.
  ATE::TextRange NewRange() {
    host::ArtHandle frame = nullptr;
    EXPECT_EQ(host::sTextFrame->NewPointText(host::kPlaceInsideOnTop,
                                             emulator::HandleOf(&document_->group()),
                                             host::kHorizontalText, {0, 0}, &frame),
              host::kNoError);
    host::TextRangeHandle range = nullptr;
    EXPECT_EQ(host::sTextFrame->GetTextRange(frame, &range), host::kNoError);
    return ATE::TextRange(range);
  }

  emulator::Emulator emulator_;
  emulator::Document* document_ = nullptr;
  host::ScopedSuites suites_{emulator_.basic()};
};

TEST_F(TextEngineWrapperTest, CopiesShareTheObjectUntilTheLastOneGoes) {
  {
    ATE::CharFeatures features;
    EXPECT_EQ(Held(), 1);
    {
      ATE::CharFeatures copy = features;
      ATE::CharFeatures assigned;
      EXPECT_EQ(Held(), 2);
      assigned = copy;  // releases its own features
      EXPECT_EQ(Held(), 1);
    }
    // Had a copy not been retained, releasing it would have destroyed the object.
    EXPECT_EQ(Held(), 1);
    features.SetFontSize(8);
  }
  EXPECT_EQ(Held(), 0);
}

TEST_F(TextEngineWrapperTest, MovesDoNotCountAndFailingCallsThrowTheHostCode) {
  ATE::TextRange created = NewRange();
  const int addRefs = emulator_.CallCount("TextRange.AddRef");
  ATE::TextRange range = std::move(created);
  EXPECT_EQ(emulator_.CallCount("TextRange.AddRef"), addRefs);
  range.InsertAfter(u"(01)2");
  EXPECT_EQ(document_->group().children.back()->text.text, u"(01)2");

  emulator_.FailCall("TextRange.InsertAfter", emulator_.CallCount("TextRange.InsertAfter") + 1, 42);
  try {
    range.InsertAfter(u"x");
    ADD_FAILURE() << "no exception";
  } catch (const ATE::Exception& exception) {
    EXPECT_EQ(exception.code(), 42);
  }

  emulator_.FailCall("CharFeatures.Initialize", 1, 43);
  EXPECT_THROW(ATE::CharFeatures(), ATE::Exception);

  ATE::CharFeatures features;
  emulator_.FailCall("CharFeatures.AddRef", 1, 44);
  EXPECT_THROW(ATE::CharFeatures{features}, ATE::Exception);
  EXPECT_EQ(Held(), 2);  // the range and the features, each still counted once
}

}  // namespace
