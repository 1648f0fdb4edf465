// The GS1 DataBar panel's create action against the stand-in host: placement, the messages it
// shows, nothing left behind after a refusal, and survival of every failing host call.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "host/suite_pointers.h"
#include "panels/databar_form.h"
#include "panels/messages.h"

namespace panels {
namespace {

class DataBarCreateTest : public ::testing::Test {
 protected:
  DataBarCreateTest() {
    emulator_.NewDocument({300.0f, 400.0f});
    suites_.emplace(emulator_.basic());
    form_.itemNumber = "2001234567890";
  }

  DataBarResult Create() {
    host::AppContextHandle context = nullptr;
    host::sContext->PushAppContext(nullptr, &context);
    const DataBarResult result = form_.CreateSymbol();
    host::sContext->PopAppContext(context);
    return result;
  }

  size_t SymbolGroups() { return emulator_.document()->group().children.size(); }

  void ExpectBalancedAfterRelease() {
    suites_.reset();
    EXPECT_TRUE(emulator_.balance().balanced());
  }

  emulator::Emulator emulator_;
  std::optional<host::ScopedSuites> suites_;
  DataBarForm form_;
};

TEST_F(DataBarCreateTest, PlacesTheSymbolAtTheViewCentreInANewGroup) {
  form_.type = databar::kStacked;
  form_.ApplyDefaults();
  const DataBarResult result = Create();
  EXPECT_EQ(result.outcome, DataBarOutcome::kCreated);
  EXPECT_TRUE(emulator_.alerts().empty());
  ASSERT_EQ(SymbolGroups(), 1u);
  const emulator::Art& group = *emulator_.document()->group().children[0];
  EXPECT_EQ(group.kind, emulator::ArtKind::kGroup);
  // The white background first, at the placement point; then the bars of three rows.
  ASSERT_GT(group.children.size(), 1u);
  const auto& background = group.children[0]->path;
  EXPECT_EQ(background.style.fill.colour.components[0], 0.0f);
  EXPECT_EQ(background.segments[0].p.h, 300.0f);
  EXPECT_EQ(background.segments[0].p.v, 400.0f);
  ExpectBalancedAfterRelease();
}

TEST_F(DataBarCreateTest, RefusedFieldShowsItsMessageAndDrawsNothing) {
  form_.lengths.height = "0";
  const DataBarResult result = Create();
  EXPECT_EQ(result.outcome, DataBarOutcome::kFieldRejected);
  EXPECT_EQ(form_.focus, DataBarField::kHeight);
  ASSERT_EQ(emulator_.alerts().size(), 1u);
  EXPECT_EQ(emulator_.alerts()[0], kMsgHeight.japanese);
  EXPECT_EQ(SymbolGroups(), 0u);
  ExpectBalancedAfterRelease();
}

TEST_F(DataBarCreateTest, MissingDocumentIsReported) {
  emulator_.CloseDocument();
  const DataBarResult result = Create();
  EXPECT_EQ(result.outcome, DataBarOutcome::kNoDocument);
  ASSERT_EQ(emulator_.alerts().size(), 1u);
  EXPECT_EQ(emulator_.alerts()[0], kMsgNoDocument.japanese);
  ExpectBalancedAfterRelease();
}

TEST_F(DataBarCreateTest, DataTheEncoderRefusesLeavesNoGroupBehind) {
  // Passes the field rules, but is more than a 2-column 2D component holds.
  form_.type = databar::kStacked;
  form_.ApplyDefaults();
  form_.compositeText = "(99)" + std::string(90, 'z');
  const DataBarResult result = Create();
  EXPECT_EQ(result.outcome, DataBarOutcome::kNotEncodable);
  EXPECT_EQ(form_.focus, DataBarField::kCompositeText);
  ASSERT_EQ(emulator_.alerts().size(), 1u);
  EXPECT_EQ(emulator_.alerts()[0], result.message);
  // The message names the limit: the largest 2-column component.
  EXPECT_EQ(
      result.message,
      "【二次元】のデータが長すぎます。Stackedの二次元シンボル（2列）に入るデータは最大336ビット"
      "（CC-B 26段）までです。データを減らしてください。");
  EXPECT_EQ(SymbolGroups(), 0u);
  ExpectBalancedAfterRelease();
}

TEST_F(DataBarCreateTest, TwoDTextOfSpacesOnlyIsReportedAndDrawsNothing) {
  // Each passes the 2D field's rule but leaves only spaces for the component to carry.
  form_.type = databar::kOmnidirectional;
  form_.ApplyDefaults();
  for (const char* text : {" ", "( )", " #^ $"}) {
    form_.compositeText = text;
    const DataBarResult result = Create();
    EXPECT_EQ(result.outcome, DataBarOutcome::kNotEncodable) << text;
    EXPECT_EQ(result.message, kMsgCompositeNoData.japanese) << text;
    EXPECT_EQ(form_.focus, DataBarField::kCompositeText) << text;
  }
  EXPECT_EQ(emulator_.alerts().size(), 3u);
  EXPECT_EQ(SymbolGroups(), 0u);

  // A space beside data is data, which no AI may hold.
  form_.compositeText = "(10) A";
  EXPECT_EQ(Create().outcome, DataBarOutcome::kFieldRejected);
  form_.compositeText = "(10)A";
  EXPECT_EQ(Create().outcome, DataBarOutcome::kCreated);
  ExpectBalancedAfterRelease();
}

TEST_F(DataBarCreateTest, TextModesDrawInThePanelsOrder) {
  using emulator::ArtKind;
  struct Mode {
    const char* name;
    bool showText, textAsFrame;
    std::vector<ArtKind> bottomArts;  // from the bottom of the group
  };
  const Mode modes[] = {
      // The background lies above the item frame, which it does not cover.
      {"frame", true, true, {ArtKind::kTextFrame, ArtKind::kPath}},
      // The glyphs of "(01)2001234567890" and the check digit 9: '(' '0' first.
      {"ocr-b", true, false, {ArtKind::kPath, ArtKind::kPath, ArtKind::kCompoundPath}},
      {"none", false, false, {ArtKind::kPath, ArtKind::kPath}},
  };
  for (const Mode& mode : modes) {
    emulator::Emulator emulator;
    emulator.NewDocument();
    host::ScopedSuites suites(emulator.basic());
    DataBarForm form;
    form.type = databar::kLimited;
    form.ApplyDefaults();
    form.itemNumber = "1501234567890";
    form.compositeText = "(17)991231$(10)LOT1001";
    form.showText = mode.showText;
    form.textAsOutlines = !mode.textAsFrame;
    form.textAsFrame = mode.textAsFrame;
    form.showCompositeText = true;
    ASSERT_EQ(form.CreateSymbol().outcome, DataBarOutcome::kCreated) << mode.name;
    const auto& arts = emulator.document()->group().children[0]->children;
    ASSERT_GT(arts.size(), mode.bottomArts.size() + 2) << mode.name;
    for (size_t i = 0; i < mode.bottomArts.size(); ++i)
      EXPECT_EQ(arts[i]->kind, mode.bottomArts[i]) << mode.name << " art " << i;
    // The 2D lines come last, the lower line first.
    EXPECT_EQ(arts[arts.size() - 2]->text.text, u"(10)LOT1001") << mode.name;
    EXPECT_EQ(arts.back()->text.text, u"(17)991231") << mode.name;
    EXPECT_EQ(emulator.document()->Count(ArtKind::kTextFrame), mode.textAsFrame ? 3 : 2);
  }
}

TEST_F(DataBarCreateTest, AFailingTextCallEndsTheDrawingAndReleasesEverything) {
  const char* operations[] = {
      "TextFrame.NewPointText",         "TextFrame.GetTextRange", "CharacterEncoding.ConvertBuffer",
      "TextRange.InsertAfter",          "Font.FindFont",          "Font.FontKeyToTextEngineFont",
      "CharFeatures.Initialize",        "CharFeatures.SetFont",   "CharFeatures.SetFontSize",
      "TextRange.SetLocalCharFeatures", "Art.GetArtBounds",
  };
  for (const char* operation : operations) {
    for (const int nth : {0, 1, 2}) {
      emulator::Emulator emulator;
      emulator.NewDocument();
      {
        host::ScopedSuites suites(emulator.basic());
        emulator.FailCall(operation, nth);
        DataBarForm form;
        form.ApplyDefaults();
        form.itemNumber = "2001234567890";
        form.compositeText = "(10)A$(21)B";
        form.textAsOutlines = false;
        form.textAsFrame = true;
        form.showCompositeText = true;
        const DataBarResult result = form.CreateSymbol();
        if (result.outcome == DataBarOutcome::kHostFailure) {
          EXPECT_EQ(result.error, emulator::kInjectedError) << operation << " " << nth;
        } else {
          EXPECT_EQ(result.outcome, DataBarOutcome::kCreated) << operation << " " << nth;
        }
      }
      EXPECT_TRUE(emulator.balance().balanced()) << operation << " " << nth;
    }
  }
}

TEST_F(DataBarCreateTest, SurvivesEveryFailingHostCall) {
  const char* operations[] = {
      "DocumentView.GetNthDocumentView",
      "DocumentView.GetDocumentViewCenter",
      "Layer.GetCurrentLayer",
      "Art.GetFirstArtOfLayer",
      "Blocks.AllocateBlock",
      "Blocks.FreeBlock",
      "Art.NewArt",
      "PathStyle.GetCurrentPathStyle",
      "PathStyle.GetPathStyle",
      "PathStyle.SetPathStyle",
      "Path.SetPathSegmentCount",
      "Path.SetPathSegments",
      "Path.SetPathClosed",
      "User.MessageAlert",
      "UnicodeString.NewFromUtf16",
  };
  for (const char* operation : operations) {
    for (const int nth : {0, 1, 2}) {
      emulator::Emulator emulator;
      emulator.NewDocument();
      {
        host::ScopedSuites suites(emulator.basic());
        emulator.FailCall(operation, nth);
        DataBarForm form;
        form.type = databar::kStackedOmnidirectional;
        form.ApplyDefaults();
        form.itemNumber = nth == 2 ? "200123456789" : "2001234567890";  // one refused field
        const DataBarResult result = form.CreateSymbol();
        if (result.outcome == DataBarOutcome::kHostFailure) {
          EXPECT_NE(result.error, host::kNoError) << operation;
        }
      }
      const emulator::Balance balance = emulator.balance();
      // A failed release is the host's own failure; everything the action took was offered back.
      if (std::string(operation) != "Blocks.FreeBlock") {
        EXPECT_TRUE(balance.balanced()) << operation << " " << nth;
      }
    }
  }
}

TEST_F(DataBarCreateTest, NoGroupIsMadeWhenTheRecordCannotBeAllocated) {
  emulator_.FailCall("Blocks.AllocateBlock", 1);
  const DataBarResult result = Create();
  EXPECT_EQ(result.outcome, DataBarOutcome::kHostFailure);
  EXPECT_EQ(result.error, emulator::kInjectedError);
  EXPECT_EQ(SymbolGroups(), 0u);
  EXPECT_TRUE(emulator_.alerts().empty());
  ExpectBalancedAfterRelease();
}

}  // namespace
}  // namespace panels
