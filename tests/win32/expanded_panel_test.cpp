// The GS1 DataBar Expanded panel's main view in Barquill.aip, driven through its controls in the
// host: the symbol it makes, the messages and focus of its checks, its minimums and defaults, and
// the settings it keeps in the registry across a restart.
#include <windows.h>

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "host/suite_acquisition.h"
#include "panels/expanded_form.h"
#include "panels/messages.h"
#include "panels/settings_record.h"
#include "tests/win32/expanded_panel_fixture.h"
#include "tests/win32/win32_test_support.h"

namespace {

using namespace expanded_test;
using win32_test::TextOf;

// The length fields with what they show without stored settings; each minimum shows the same.
constexpr std::pair<int, const char*> kDefaultLengths[] = {
    {kHeight, "12.002"},
    {kSeparatorHeight, "0.353"},
    {kCompositeRowHeight, "0.706"},
    {kStackedSeparatorHeight, "0.353"},
};

void ExpectDefaults(const ExpandedPanelTest& test) {
  EXPECT_EQ(test.Text(kModuleWidth), "0.353");
  EXPECT_EQ(TextOf(test.MinimumOf(kModuleWidth)), "0.170");
  for (const auto& [id, text] : kDefaultLengths) {
    EXPECT_EQ(test.Text(id), text) << id;
    EXPECT_EQ(TextOf(test.MinimumOf(id)), text) << id;
  }
  EXPECT_EQ(test.Text(kBarWidthReduction), "0.000");
  EXPECT_EQ(test.Text(kSegments), "22");
  EXPECT_TRUE(test.Checked(kShowText));
  EXPECT_FALSE(test.Checked(kShowCompositeText));
}

void Store(std::string_view version, std::span<const uint8_t> record) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, win32_test::Wide(kSettingsKey).c_str(), 0, nullptr,
                            0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"version", 0, REG_BINARY, reinterpret_cast<const BYTE*>(version.data()),
                 version.size());
  RegSetValueExW(key, L"EXP", 0, REG_BINARY, record.data(), record.size());
  RegCloseKey(key);
}

using ExpandedMainViewTest = ExpandedPanelTest;

TEST_F(ExpandedMainViewTest, OpensWithTheDefaultsAndEnablesTheLengthsInTheFullState) {
  ExpectDefaults(*this);
  EXPECT_EQ(HostPanel().sizes.preferred.height, 134);
  EXPECT_FALSE(IsWindowEnabled(Control(kModuleWidth)));
  EXPECT_FALSE(IsWindowEnabled(Control(kBarWidthReduction)));
  SetState(2);
  // The options state holds the bar width reduction's row below the 2D row height.
  EXPECT_EQ(HostPanel().sizes.preferred.height, 398);
  for (const int id : {kModuleWidth, kHeight, kSeparatorHeight, kCompositeRowHeight,
                       kStackedSeparatorHeight, kBarWidthReduction}) {
    EXPECT_TRUE(IsWindowEnabled(Control(id))) << id;
  }
  RECT row{};
  GetWindowRect(Control(kBarWidthReduction), &row);
  MapWindowPoints(nullptr, GetParent(Control(kBarWidthReduction)), reinterpret_cast<POINT*>(&row),
                  2);
  EXPECT_EQ(row.left, 117);
  EXPECT_EQ(row.top, 240);
  EXPECT_EQ(TextOf(GetWindow(Control(kBarWidthReduction), GW_HWNDPREV)), "ﾊﾞｰ幅補正 ");
}

TEST_F(ExpandedMainViewTest, MinimumsFollowTheModuleWidthAndTheButtonsApplyThem) {
  Type(kModuleWidth, "0.5");
  EXPECT_EQ(TextOf(MinimumOf(kHeight)), "17.000");
  Type(kModuleWidth, "x");  // not a number: the minimums stay
  EXPECT_EQ(TextOf(MinimumOf(kCompositeRowHeight)), "1.000");
  Click(kMinimums);
  EXPECT_EQ(Text(kModuleWidth), "x");
  EXPECT_EQ(Text(kHeight), "17.000");
  EXPECT_EQ(Text(kStackedSeparatorHeight), "0.500");

  win32_test::Choose(Control(kSegments), 1);
  Click(kShowText);
  EXPECT_EQ(Click(kDefaults), Alerts{});
  ExpectDefaults(*this);
}

// The portable form, filled from the same values as `barquill expanded` fills it, is the
// reference.
TEST_F(ExpandedMainViewTest, MakesTheSymbolThePortableFormMakesFromTheSameTexts) {
  constexpr char kCodeText[] = "(01)98898765432106(3202)012345(10)ABC123";
  constexpr char kCompositeData[] = "(17)991231(21)S$123";
  Type(kCode, kCodeText);
  Type(kCompositeText, kCompositeData);
  win32_test::Choose(Control(kSegments), 1);  // 4 segments per row
  Type(kModuleWidth, "0.3");
  Click(kShowCompositeText);
  EXPECT_EQ(Click(kCreate), Alerts{});
  EXPECT_EQ(Text(kModuleWidth), "0.300");
  ASSERT_EQ(Symbols(), 1);
  {
    const host::ScopedSuites suites(session_->emulator().basic());
    panels::ExpandedForm form;
    form.code = kCodeText;
    form.compositeText = kCompositeData;
    form.segmentsPerRow = 4;
    form.lengths.moduleWidth = "0.3";
    form.showCompositeText = true;
    ASSERT_EQ(form.CreateSymbol().outcome, panels::DataBarOutcome::kCreated);
  }
  ASSERT_EQ(Symbols(), 2);
  const auto& symbols = session_->emulator().document()->group().children;
  const std::string fromPanel = Describe(*symbols[0]);
  EXPECT_EQ(fromPanel, Describe(*symbols[1]));
  EXPECT_NE(fromPanel.find("text (01)98898765432106 at "), std::string::npos);
  EXPECT_NE(fromPanel.find("text (17)991231"), std::string::npos);
}

TEST_F(ExpandedMainViewTest, EachCheckShowsItsMessageFocusesItsFieldAndDrawsNothing) {
  SetState(2);  // the length fields can take the focus
  struct Case {
    const char* code;
    const char* compositeText;
    int segmentsEntry;  // 0 for 2 segments, 10 for 22
    const char* moduleWidth;
    std::string message;
    int focus;
  };
  const Case cases[] = {
      {"", "", 10, "0.353", panels::kMsgCodeCharacters.japanese, kCode},
      {"(10)A\r\nB", "", 10, "0.353", panels::kMsgCodeCharacters.japanese, kCode},
      {"10)A", "", 10, "0.353", panels::kMsgNoAi.japanese, kCode},
      {"(01)1234567890123", "", 10, "0.353", panels::WithAi(panels::kMsgInvalidAiData, "01"),
       kCode},
      {"(10)A\\B", "", 10, "0.353", panels::kMsgInvalidCodeData.japanese, kCode},
      {"(05)1", "", 10, "0.353", panels::kMsgUnknownAi.japanese, kCode},
      {"(10)A(10)B", "", 10, "0.353", panels::WithAi(panels::kMsgDuplicateAi, "10"), kCode},
      {"(10)A", "{", 10, "0.353", panels::kMsgExpandedCompositeCharacters.japanese, kCompositeText},
      {"(10)A", "", 10, "10", panels::kMsgModuleWidth.japanese, kModuleWidth},
      {"(10)A", "(21)1", 0, "0.353", panels::kMsgCompositeNeedsFourSegments.japanese, kSegments},
      // Passes every field's rule, but is more than the symbol's 252 data bits.
      {"(90)abcdefghijklmnopqrstuvwxyzab(91)abcdefghijklmnopqrstuvwxyzab", "", 10, "0.353",
       panels::kMsgCodeTooLong.japanese, kCode},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.code);
    Type(kCode, test.code);
    Type(kCompositeText, test.compositeText);
    win32_test::Choose(Control(kSegments), test.segmentsEntry);
    Type(kModuleWidth, test.moduleWidth);
    SetFocus(Control(kCreate));
    EXPECT_EQ(Click(kCreate), Alerts{test.message});
    EXPECT_TRUE(win32_test::HasFocus(Control(test.focus)));
    EXPECT_EQ(Symbols(), 0);
  }
  Type(kCode, "(10)A");
  Type(kCompositeText, "");
  Type(kBarWidthReduction, "0.353");  // no less than the module width
  EXPECT_EQ(Click(kCreate), Alerts{panels::kMsgBarWidthReduction.japanese});
  EXPECT_TRUE(win32_test::HasFocus(Control(kBarWidthReduction)));
  Type(kBarWidthReduction, "0");
  Type(kCompositeText, "(21)1");
  win32_test::Choose(Control(kSegments), 1);  // a 2D text needs 4 segments or more
  EXPECT_EQ(Click(kCreate), Alerts{});
  EXPECT_EQ(Symbols(), 1);
  EXPECT_EQ(Text(kBarWidthReduction), "0.000");
}

TEST_F(ExpandedMainViewTest, SettingsSurviveARestartButTheDataDoesNot) {
  Type(kModuleWidth, "0.5");
  Type(kHeight, "20");
  win32_test::Choose(Control(kSegments), 1);
  Click(kShowText);
  Click(kShowCompositeText);
  Type(kBarWidthReduction, "0.02");
  Type(kCode, "(10)A");
  Restart();
  EXPECT_EQ(Text(kBarWidthReduction), "0.02");
  EXPECT_EQ(Text(kModuleWidth), "0.5");
  EXPECT_EQ(Text(kHeight), "20");
  EXPECT_EQ(TextOf(MinimumOf(kHeight)), "17.000");
  EXPECT_EQ(Text(kSegments), "4");
  EXPECT_FALSE(Checked(kShowText));
  EXPECT_TRUE(Checked(kShowCompositeText));
  EXPECT_EQ(Text(kCode), "");
}

TEST_F(ExpandedMainViewTest, StoredSettingsOfAnotherVersionOrSizeReadAsTheDefaults) {
  panels::ExpandedSettings settings;
  settings.lengths = {"0.5", "20", "0.5", "1", "0.5"};
  settings.segmentsEntry = 1;
  const panels::SettingsRecord record = panels::EncodeExpandedSettings(settings);
  Restart([&] { Store("TYL Ver.1.0.0", record); });
  ExpectDefaults(*this);
  Restart([&] { Store(panels::kSettingsVersion, std::span(record).first(71)); });
  ExpectDefaults(*this);
  // A record written before the bar width reduction had its value beside it reads without one.
  Restart([&] { Store(panels::kSettingsVersion, record); });
  EXPECT_EQ(Text(kHeight), "20");
  EXPECT_EQ(Text(kSegments), "4");
  EXPECT_EQ(Text(kBarWidthReduction), "0.000");
}

}  // namespace
