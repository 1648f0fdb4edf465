// What the host-failure sweep found, each pinned to one case: a drawing step the host fails is
// reported and leaves no unfinished art, a refused release keeps no other suite held, and a
// symbol without the view's centre is not placed elsewhere.
#include <gtest/gtest.h>

#include <optional>

#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "host/suite_list.h"
#include "host/suite_pointers.h"
#include "panels/databar_form.h"
#include "panels/medical128_form.h"
#include "tests/hardening/art_checks.h"

namespace hardening {
namespace {

class HostFailureTest : public ::testing::Test {
 protected:
  HostFailureTest() {
    emulator_.NewDocument();
    suites_.emplace(emulator_.basic());
  }

  enum class Text { kOutlines, kFrame, kNone };

  panels::DataBarResult CreateDataBar(Text text) {
    panels::DataBarForm form;
    form.itemNumber = "2001234567890";
    form.showText = text != Text::kNone;
    form.textAsOutlines = text == Text::kOutlines;
    form.textAsFrame = text == Text::kFrame;
    return form.CreateSymbol();
  }

  const emulator::Art& SymbolGroup() { return *emulator_.document()->group().children.at(0); }

  emulator::Emulator emulator_;
  std::optional<host::ScopedSuites> suites_;
};

// The white background refused its style: it would have stayed black over the whole symbol.
TEST_F(HostFailureTest, BackgroundWithoutItsStyleIsNotLeftBlack) {
  emulator_.FailCall("PathStyle.SetPathStyle", 1);
  const panels::DataBarResult result = CreateDataBar(Text::kOutlines);
  EXPECT_EQ(result.outcome, panels::DataBarOutcome::kHostFailure);
  EXPECT_EQ(result.error, emulator::kInjectedError);
  EXPECT_TRUE(SymbolGroup().children.empty());
}

// A bar without its corners would have left a gap in the symbol, reported as made.
TEST_F(HostFailureTest, BarWithoutItsCornersEndsTheDrawing) {
  emulator_.FailCall("Path.SetPathSegments", 10);  // the background, then the ninth bar
  const panels::DataBarResult result = CreateDataBar(Text::kNone);
  EXPECT_EQ(result.outcome, panels::DataBarOutcome::kHostFailure);
  EXPECT_EQ(SymbolGroup().children.size(), 9u);  // the background and eight bars
  EXPECT_EQ(FindBrokenArt(*emulator_.document()), "");
}

// A text frame whose text could not be converted would have stayed empty, reported as made.
TEST_F(HostFailureTest, TextFrameWithoutItsTextIsRemovedAndReported) {
  emulator_.FailCall("CharacterEncoding.ConvertBuffer", 1);
  const panels::DataBarResult result = CreateDataBar(Text::kFrame);
  EXPECT_EQ(result.outcome, panels::DataBarOutcome::kHostFailure);
  EXPECT_EQ(emulator_.document()->Count(emulator::ArtKind::kTextFrame), 0);
  suites_.reset();
  EXPECT_TRUE(emulator_.balance().balanced());
}

// The GS1-128 symbol was drawn at the origin, far from the view, when the centre was not had.
TEST_F(HostFailureTest, Gs1128WithoutTheViewCentreIsNotPlaced) {
  emulator_.FailCall("DocumentView.GetDocumentViewCenter", 1);
  panels::Medical128Form form;
  form.productCode = "1234567890123";
  const panels::Medical128Result result = form.CreateMedical128();
  EXPECT_EQ(result.outcome, panels::Medical128Outcome::kHostFailure);
  EXPECT_EQ(result.error, emulator::kInjectedError);
  EXPECT_TRUE(emulator_.document()->group().children.empty());
}

// One refused release used to keep every suite after it held.
TEST_F(HostFailureTest, RefusedReleaseKeepsNoOtherSuiteHeld) {
  emulator_.FailCall("Basic.ReleaseSuite", 1);
  EXPECT_EQ(host::ReleaseSuiteList(emulator_.basic(), host::kFrameworkSuites),
            emulator::kInjectedError);
  EXPECT_EQ(host::ReleaseSuiteList(emulator_.basic(), host::kPluginSuites), host::kNoError);
  EXPECT_EQ(emulator_.balance().suitesHeld, 1);  // the one the host kept
  EXPECT_EQ(host::sAccess, nullptr);
  EXPECT_EQ(host::sArt, nullptr);
}

}  // namespace
}  // namespace hardening
