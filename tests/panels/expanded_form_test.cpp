// The GS1 DataBar Expanded panel's form: its defaults and minimums, the order and messages of
// its checks, and the create action against the stand-in host: the symbol and its element
// strings placed, data that does not fit refused with its limit and nothing left behind, and
// survival of every failing host call.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/encode_error.h"
#include "emulator/emulator.h"
#include "host/suite_acquisition.h"
#include "host/suite_pointers.h"
#include "panels/expanded_form.h"
#include "panels/messages.h"

namespace panels {
namespace {

constexpr char kCode[] = "(01)98898765432106(3202)012345";

TEST(ExpandedForm, DefaultsAreTheMinimumsOfTheDefaultModuleWidth) {
  ExpandedForm form;
  EXPECT_EQ(form.lengths.moduleWidth, "0.353");
  EXPECT_EQ(form.lengths.height, "12.002");  // 34 modules
  EXPECT_EQ(form.lengths.separatorHeight, "0.353");
  EXPECT_EQ(form.lengths.compositeRowHeight, "0.706");
  EXPECT_EQ(form.lengths.stackedSeparatorHeight, "0.353");
  EXPECT_EQ(form.minimums.moduleWidth, "0.170");
  EXPECT_EQ(form.segmentsPerRow, 22);
  EXPECT_TRUE(form.showText);
  EXPECT_FALSE(form.showCompositeText);

  // A module width that is no length leaves the minimums as they were.
  form.lengths.moduleWidth = "1";
  form.RefreshMinimums();
  EXPECT_EQ(form.minimums.height, "34.000");
  form.lengths.moduleWidth = "abc";
  form.RefreshMinimums();
  EXPECT_EQ(form.minimums.height, "34.000");
  form.ApplyMinimums();
  EXPECT_EQ(form.lengths.height, "34.000");
  EXPECT_EQ(form.lengths.moduleWidth, "abc");
}

TEST(ExpandedForm, ChecksFieldsInThePanelsOrder) {
  struct Case {
    const char* what;
    void (*change)(ExpandedForm&);
    std::string message;
    ExpandedField focus;
  };
  const Case cases[] = {
      {"no code", [](ExpandedForm& f) { f.code.clear(); }, kMsgCodeCharacters.japanese,
       ExpandedField::kCode},
      {"a character outside the code set",
       [](ExpandedForm& f) {
         f.code += "#";
         f.compositeText = "bad\\";
       },
       kMsgCodeCharacters.japanese, ExpandedField::kCode},
      {"a parse error before the 2D text",
       [](ExpandedForm& f) {
         f.code = "01";
         f.compositeText = "bad\\";
       },
       kMsgNoAi.japanese, ExpandedField::kCode},
      {"more than the code field holds",
       [](ExpandedForm& f) { f.code = "(90)" + std::string(67, '1'); }, kMsgTooMuchData.japanese,
       ExpandedField::kCode},
      {"a 2D character outside its set",
       [](ExpandedForm& f) {
         f.compositeText = "(10)A\\";
         f.lengths.moduleWidth = "x";
       },
       kMsgExpandedCompositeCharacters.japanese, ExpandedField::kCompositeText},
      {"more than the 2D field holds",
       [](ExpandedForm& f) { f.compositeText = std::string(101, 'A'); },
       kMsgExpandedCompositeCharacters.japanese, ExpandedField::kCompositeText},
      {"module width", [](ExpandedForm& f) { f.lengths.moduleWidth = "10"; },
       kMsgModuleWidth.japanese, ExpandedField::kModuleWidth},
      {"module width", [](ExpandedForm& f) { f.lengths.moduleWidth = "0.05"; },
       kMsgModuleWidth.japanese, ExpandedField::kModuleWidth},
      {"height below 1", [](ExpandedForm& f) { f.lengths.height = "0.9"; },
       kMsgHeightFrom1.japanese, ExpandedField::kHeight},
      {"height", [](ExpandedForm& f) { f.lengths.height = "200.1"; }, kMsgHeightFrom1.japanese,
       ExpandedField::kHeight},
      {"separator", [](ExpandedForm& f) { f.lengths.separatorHeight = ""; },
       kMsgSeparatorHeight.japanese, ExpandedField::kSeparatorHeight},
      {"2D row", [](ExpandedForm& f) { f.lengths.compositeRowHeight = "10"; },
       kMsgCompositeRowHeight.japanese, ExpandedField::kCompositeRowHeight},
      {"stacked separator", [](ExpandedForm& f) { f.lengths.stackedSeparatorHeight = "0"; },
       kMsgStackedSeparatorHeight.japanese, ExpandedField::kStackedSeparatorHeight},
      {"reduction", [](ExpandedForm& f) { f.lengths.barWidthReduction = "0.353"; },
       kMsgBarWidthReduction.japanese, ExpandedField::kBarWidthReduction},
      {"2D text over 2 segments",
       [](ExpandedForm& f) {
         f.compositeText = "(17)991231";
         f.segmentsPerRow = 2;
       },
       kMsgCompositeNeedsFourSegments.japanese, ExpandedField::kSegments},
  };
  for (const Case& c : cases) {
    ExpandedForm form;
    form.code = kCode;
    c.change(form);
    ExpandedRequest accepted;
    const std::optional<ExpandedFailure> failure = form.Validate(accepted);
    ASSERT_TRUE(failure.has_value()) << c.what;
    EXPECT_EQ(failure->message, c.message) << c.what;
    EXPECT_EQ(failure->focus, c.focus) << c.what;
  }
}

TEST(ExpandedForm, AcceptsTheBoundsAndWritesLengthsBackNormalised) {
  ExpandedForm form;
  form.code = kCode;
  form.compositeText = "(17)991231";
  form.segmentsPerRow = 4;
  form.lengths = {"0.1", "1", "9.999", "9.9994", "0.1004", "", "0.0994"};
  ExpandedRequest accepted;
  ASSERT_FALSE(form.Validate(accepted).has_value());
  EXPECT_EQ(form.lengths.moduleWidth, "0.100");
  EXPECT_EQ(form.lengths.height, "1.000");
  EXPECT_EQ(form.lengths.compositeRowHeight, "9.999");
  EXPECT_EQ(form.lengths.stackedSeparatorHeight, "0.100");
  EXPECT_DOUBLE_EQ(accepted.lengths.stackedSeparatorHeight, 0.1);
  EXPECT_EQ(form.lengths.barWidthReduction, "0.099");  // the widest below the module width
  EXPECT_EQ(accepted.code.EncoderText(), "01988987654321063202012345");

  form.lengths.moduleWidth = "9.999";
  form.lengths.height = "200";
  EXPECT_FALSE(form.Validate(accepted).has_value());
}

TEST(ExpandedForm, NamesThePartThatDoesNotFit) {
  ExpandedForm form;
  form.code = "(90)" + std::string(29, 'a') + "(91)" + std::string(29, 'b');
  ExpandedRequest accepted;
  ASSERT_FALSE(form.Validate(accepted).has_value());
  EXPECT_EQ(form.EncodeFailure(accepted, databar::kDataTooLong).message, kMsgCodeTooLong.japanese);

  // A 2D component beyond the largest one of 4 columns.
  form.code = kCode;
  form.compositeText = "(10)A";
  ASSERT_FALSE(form.Validate(accepted).has_value());
  const ExpandedFailure failure = form.EncodeFailure(accepted, databar::kDataTooLong);
  EXPECT_EQ(failure.focus, ExpandedField::kCompositeText);
  EXPECT_EQ(
      failure.message,
      "【二次元コード】のデータが長すぎます。GS1 DataBar Expandedの二次元シンボル（4列）に入る"
      "データは最大1184ビット（CC-B 44段）までです。データを減らしてください。");
  EXPECT_EQ(form.EncodeFailure(accepted, databar::kInvalidData).message,
            kMsgExpandedCompositeNotEncodable.japanese);
}

class ExpandedCreateTest : public ::testing::Test {
 protected:
  ExpandedCreateTest() {
    emulator_.NewDocument({300.0f, 400.0f});
    suites_.emplace(emulator_.basic());
    form_.code = kCode;
  }

  DataBarResult Create() {
    host::AppContextHandle context = nullptr;
    host::sContext->PushAppContext(nullptr, &context);
    const DataBarResult result = form_.CreateSymbol();
    host::sContext->PopAppContext(context);
    return result;
  }

  const std::vector<std::unique_ptr<emulator::Art>>& Groups() {
    return emulator_.document()->group().children;
  }

  void ExpectBalancedAfterRelease() {
    suites_.reset();
    EXPECT_TRUE(emulator_.balance().balanced());
  }

  emulator::Emulator emulator_;
  std::optional<host::ScopedSuites> suites_;
  ExpandedForm form_;
};

TEST_F(ExpandedCreateTest, PlacesTheStackedSymbolWithoutATextBand) {
  form_.showText = false;
  form_.segmentsPerRow = 4;  // 8 symbol characters: two rows of 102 modules
  form_.lengths.height = "10";
  form_.lengths.stackedSeparatorHeight = "1";
  ASSERT_EQ(Create().outcome, DataBarOutcome::kCreated);
  ASSERT_EQ(Groups().size(), 1u);
  const auto& arts = Groups()[0]->children;
  ASSERT_GT(arts.size(), 1u);
  // The background covers the two rows and the three separators between them, nothing more.
  const auto& background = arts[0]->path.segments;
  const float mm = 72.0f / 25.4f;
  EXPECT_EQ(background[0].p.h, 300.0f);
  EXPECT_EQ(background[0].p.v, 400.0f);
  EXPECT_NEAR(background[1].p.h - 300.0f, 102 * 0.353f * mm, 0.01);
  EXPECT_NEAR(background[2].p.v - 400.0f, (2 * 10 + 3 * 1) * mm, 0.01);
  EXPECT_EQ(emulator_.document()->Count(emulator::ArtKind::kTextFrame), 0);
  ExpectBalancedAfterRelease();
}

TEST_F(ExpandedCreateTest, DrawsTheLongestElementStringsWhole) {
  // A 4-digit AI with 29 characters of data: a 35-character line under the symbol.
  const std::string line = "(8004)" + std::string(29, '7');
  form_.code = kCode + line;
  form_.compositeText = "(17)991231$(10)LOT1";
  form_.segmentsPerRow = 6;
  form_.showCompositeText = true;
  ASSERT_EQ(Create().outcome, DataBarOutcome::kCreated);
  const auto& arts = Groups()[0]->children;
  // The element strings first, the last one lowest; the 2D lines last, the lower one first.
  ASSERT_GT(arts.size(), 5u);
  EXPECT_EQ(arts[0]->text.text, std::u16string(line.begin(), line.end()));
  EXPECT_EQ(arts[1]->text.text, u"(3202)012345");
  EXPECT_EQ(arts[2]->text.text, u"(01)98898765432106");
  EXPECT_EQ(arts[3]->kind, emulator::ArtKind::kPath);
  EXPECT_EQ(arts[arts.size() - 2]->text.text, u"(10)LOT1");
  EXPECT_EQ(arts.back()->text.text, u"(17)991231");
  ExpectBalancedAfterRelease();
}

TEST_F(ExpandedCreateTest, DataBeyond252BitsIsRefusedWithNothingDrawn) {
  form_.code = "(90)" + std::string(29, 'a') + "(91)" + std::string(29, 'b');
  const DataBarResult result = Create();
  EXPECT_EQ(result.outcome, DataBarOutcome::kNotEncodable);
  EXPECT_EQ(result.message, kMsgCodeTooLong.japanese);
  EXPECT_EQ(form_.focus, ExpandedField::kCode);
  ASSERT_EQ(emulator_.alerts().size(), 1u);
  EXPECT_EQ(emulator_.alerts()[0], kMsgCodeTooLong.japanese);
  EXPECT_TRUE(Groups().empty());
  ExpectBalancedAfterRelease();
}

TEST_F(ExpandedCreateTest, TwoDTextOfSpacesOnlyIsReportedAndDrawsNothing) {
  form_.segmentsPerRow = 4;
  form_.compositeText = "(  )";
  const DataBarResult result = Create();
  EXPECT_EQ(result.outcome, DataBarOutcome::kNotEncodable);
  EXPECT_EQ(result.message, kMsgCompositeNoData.japanese);
  EXPECT_EQ(form_.focus, ExpandedField::kCompositeText);
  EXPECT_TRUE(Groups().empty());
  ExpectBalancedAfterRelease();
}

TEST_F(ExpandedCreateTest, RefusalsAndAMissingDocumentAreReported) {
  form_.compositeText = "(17)991231";
  form_.segmentsPerRow = 2;
  EXPECT_EQ(Create().outcome, DataBarOutcome::kFieldRejected);
  EXPECT_EQ(form_.focus, ExpandedField::kSegments);

  form_.segmentsPerRow = 4;
  emulator_.CloseDocument();
  EXPECT_EQ(Create().outcome, DataBarOutcome::kNoDocument);
  ASSERT_EQ(emulator_.alerts().size(), 2u);
  EXPECT_EQ(emulator_.alerts()[0], kMsgCompositeNeedsFourSegments.japanese);
  EXPECT_EQ(emulator_.alerts()[1], kMsgNoDocument.japanese);
  ExpectBalancedAfterRelease();
}

TEST_F(ExpandedCreateTest, SurvivesEveryFailingHostCall) {
  const char* operations[] = {
      "DocumentView.GetNthDocumentView",
      "DocumentView.GetDocumentViewCenter",
      "Layer.GetCurrentLayer",
      "Art.GetFirstArtOfLayer",
      "Blocks.AllocateBlock",
      "Art.NewArt",
      "PathStyle.SetPathStyle",
      "Path.SetPathSegments",
      "TextFrame.NewPointText",
      "TextRange.InsertAfter",
      "User.MessageAlert",
  };
  for (const char* operation : operations) {
    for (const int nth : {0, 1, 2}) {
      emulator::Emulator emulator;
      emulator.NewDocument();
      {
        host::ScopedSuites suites(emulator.basic());
        emulator.FailCall(operation, nth);
        ExpandedForm form;
        form.code = nth == 2 ? "(90)" + std::string(60, '9') + "x" : kCode;  // an alert too
        form.compositeText = "(10)A$(21)B";
        form.segmentsPerRow = 4;
        form.showCompositeText = true;
        const DataBarResult result = form.CreateSymbol();
        if (result.outcome == DataBarOutcome::kHostFailure) {
          EXPECT_EQ(result.error, emulator::kInjectedError) << operation << " " << nth;
        }
      }
      EXPECT_TRUE(emulator.balance().balanced()) << operation << " " << nth;
    }
  }
}

}  // namespace
}  // namespace panels
