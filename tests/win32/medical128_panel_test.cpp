// The GS1-128 panel of Barquill.aip, loaded into the host and driven through its controls with
// the window messages typing and clicking send.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/win32/host_session.h"
#include "emulator/win32/script_runner.h"
#include "host/suite_acquisition.h"
#include "panels/medical128_form.h"
#include "tests/panels/medical128_messages.h"
#include "tests/win32/win32_test_support.h"

namespace {

using win32_test::Choose;
using win32_test::Click;
using win32_test::Describe;
using win32_test::EditPartOf;
using win32_test::HasFocus;
using win32_test::TextOf;
using win32_test::Type;

enum Id {
  kCreate = 1,
  kProductCode = 5,
  kCheckDigit = 6,
  kExpiry = 7,
  kQuantity = 8,
  kLot = 9,
  kHeight = 10,
  kNarrowWidth = 11,
  kLotCodeSet = 12,
  kClear = 13,
  kDefaults = 14,
  kBarWidthReduction = 15,
};

using namespace medical128_test;

class Medical128PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(session_.Start(), "");
    panel_ = session_.PanelWindow("Medical128");
    ASSERT_NE(panel_, nullptr);
  }

  HWND Control(int id) const { return GetDlgItem(panel_, id); }
  void Type(int id, std::string_view text) { win32_test::Type(Control(id), text); }
  std::string Text(int id) const { return TextOf(Control(id)); }

  // The data fields, the code set and the dimensions as given; clears the alerts' count.
  void Fill(const char* productCode, const char* expiry, const char* quantity, const char* lot,
            int codeSet, const char* height = "17", const char* narrowWidth = nullptr) {
    Type(kProductCode, productCode);
    Type(kExpiry, expiry);
    Type(kQuantity, quantity);
    Type(kLot, lot);
    Choose(Control(kLotCodeSet), codeSet);
    Type(kHeight, height);
    if (narrowWidth != nullptr) {
      Type(kNarrowWidth, narrowWidth);
    } else {
      Choose(Control(kNarrowWidth), 2);
    }
  }

  int Symbols() { return static_cast<int>(win32_test::SymbolCount(session_)); }
  // Clicks the create button; the new alerts it raised.
  std::vector<std::string> Create() {
    return win32_test::ClickForAlerts(session_, Control(kCreate));
  }

  emulator::HostSession session_{{emulator::PluginBesideProgram()}};
  HWND panel_ = nullptr;
};

TEST_F(Medical128PanelTest, ControlsAreLaidOutAsTheTableGivesThem) {
  struct Expected {
    const wchar_t* className;
    int id;
    int x, y, width, height;  // height -1: a list, whose closed height the font decides
    const char* text;
  };
  const Expected expected[] = {
      {L"Static", 0, 5, 8, 110, 14, "(01) 商品ｺｰﾄﾞ"},
      {L"Edit", kProductCode, 117, 5, 90, 20, ""},
      {L"Static", kCheckDigit, 210, 6, 20, 18, ""},
      {L"Button", kClear, 235, 6, 18, 18, ""},
      {L"Static", 0, 5, 33, 110, 14, "(17) 有効(使用)期限"},
      {L"Edit", kExpiry, 117, 30, 50, 20, ""},
      {L"Static", 0, 5, 58, 110, 14, "(30) 数量"},
      {L"Edit", kQuantity, 117, 55, 58, 20, ""},
      {L"Static", 0, 5, 83, 110, 14, "(10) ﾛｯﾄ(製造)番号"},
      {L"ComboBox", kLotCodeSet, 117, 79, 45, -1, "A"},
      {L"Edit", kLot, 164, 80, 128, 20, ""},
      {L"Static", kCheckDigit, 5, 105, 290, 2, ""},
      {L"Static", 0, 5, 122, 110, 14, "高さ "},
      {L"Edit", kHeight, 117, 118, 45, 20, "17.000"},
      {L"Static", 0, 172, 122, 40, 14, "ﾅﾛｰ幅 "},
      {L"ComboBox", kNarrowWidth, 212, 118, 60, -1, "0.220"},
      {L"Static", 0, 122, 147, 88, 14, "ﾊﾞｰ幅補正 "},
      {L"Edit", kBarWidthReduction, 212, 143, 60, 20, "0.000"},
      {L"Static", 0, 0, 111, 60, 14, "単位:mm"},
      {L"Button", kDefaults, 177, 173, 50, 21, "初期値"},
      {L"Button", kCreate, 232, 173, 60, 21, "作 成"},
  };
  HWND control = GetWindow(panel_, GW_CHILD);
  for (const Expected& want : expected) {
    ASSERT_NE(control, nullptr) << want.text;
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(_wcsicmp(className, want.className), 0) << want.text;
    EXPECT_EQ(GetDlgCtrlID(control), want.id) << want.text;
    EXPECT_EQ(bounds.left, want.x) << want.text;
    EXPECT_EQ(bounds.top, want.y) << want.text;
    EXPECT_EQ(bounds.right - bounds.left, want.width) << want.text;
    if (want.height >= 0) {
      EXPECT_EQ(bounds.bottom - bounds.top, want.height) << want.text;
    }
    EXPECT_EQ(TextOf(control), want.text);
    control = GetWindow(control, GW_HWNDNEXT);
  }
  EXPECT_EQ(control, nullptr);

  // What the keyboard can put into each field.
  const std::pair<HWND, int> limits[] = {
      {Control(kProductCode), 13},     {Control(kExpiry), 6},
      {Control(kQuantity), 8},         {Control(kLot), 20},
      {Control(kHeight), 5},           {EditPartOf(Control(kNarrowWidth)), 5},
      {Control(kBarWidthReduction), 5}};
  for (const auto& [field, limit] : limits)
    EXPECT_EQ(SendMessageW(field, EM_GETLIMITTEXT, 0, 0), limit) << GetDlgCtrlID(field);
  EXPECT_EQ(SendMessageW(Control(kNarrowWidth), CB_GETCOUNT, 0, 0), 6);
  std::vector<std::string> codeSets;
  for (int entry = 0; entry < SendMessageW(Control(kLotCodeSet), CB_GETCOUNT, 0, 0); ++entry) {
    wchar_t text[16] = {};
    SendMessageW(Control(kLotCodeSet), CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(text));
    codeSets.push_back(win32_test::Utf8(text));
  }
  EXPECT_EQ(codeSets, (std::vector<std::string>{"A", "B", "C", "自動"}));
  // The panel grew by the reduction's row.
  const emulator::PanelRecord& record =
      *session_.emulator().panels().panels.Find(session_.Panel("Medical128"));
  EXPECT_EQ(record.sizes.preferred.height, 200);
  EXPECT_EQ(record.sizes.maximum.height, 200);
}

TEST_F(Medical128PanelTest, CheckDigitFollowsTheProductCodeAsItIsTyped) {
  Type(kProductCode, "1234567890123");
  EXPECT_EQ(Text(kCheckDigit), "1");
  Type(kProductCode, "123456789012");
  EXPECT_EQ(Text(kCheckDigit), "");
  Type(kProductCode, "4912345678904");
  EXPECT_EQ(Text(kCheckDigit), "2");
  Type(kProductCode, "491234567890A");
  EXPECT_EQ(Text(kCheckDigit), "");
  Type(kProductCode, "49123456789045");  // longer than the field takes from the keyboard
  EXPECT_EQ(Text(kCheckDigit), "");
}

// The first edge case: the height is written back normalised and the symbol in the document is
// the one the portable form makes from the same texts.
TEST_F(Medical128PanelTest, CreatesTheSymbolThePortableFormMakes) {
  Type(kProductCode, "1234567890123");
  Type(kHeight, "17");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(Text(kHeight), "17.000");
  EXPECT_EQ(Text(kNarrowWidth), "0.220");
  ASSERT_EQ(Symbols(), 1);

  {
    const host::ScopedSuites suites(session_.emulator().basic());
    panels::Medical128Form form;
    form.productCode = "1234567890123";
    form.height = "17";
    ASSERT_EQ(form.CreateMedical128().outcome, panels::Medical128Outcome::kCreated);
  }
  ASSERT_EQ(Symbols(), 2);
  const emulator::Art& group = session_.emulator().document()->group();
  const std::string fromPanel = Describe(*group.children[0]);
  EXPECT_EQ(fromPanel, Describe(*group.children[1]));
  EXPECT_NE(fromPanel.find("text (01)12345678901231 at "), std::string::npos);
}

TEST_F(Medical128PanelTest, EachRuleShowsItsMessageAndFocusesItsField) {
  struct Case {
    const char* productCode;
    const char* expiry;
    const char* quantity;
    const char* lot;
    int codeSet;
    const char* height;
    const char* narrowWidth;  // typed; null selects entry 2
    const char* message;
    int focus;
  };
  const Case cases[] = {
      {"123456789012", "", "", "", 0, "17", nullptr, kProductCodeMessage, kProductCode},
      {"12345678901a", "", "", "", 0, "17", nullptr, kProductCodeMessage, kProductCode},
      {"1234567890123", "9912", "", "", 0, "17", nullptr, kExpiryMessage, kExpiry},
      {"1234567890123", "990230", "", "", 0, "17", nullptr,
       "AI(17)の日付「990230」の日がその月にありません。", kExpiry},
      {"1234567890123", "", "0", "", 0, "17", nullptr, kQuantityMessage, kQuantity},
      {"1234567890123", "", "00000000", "", 0, "17", nullptr, kQuantityMessage, kQuantity},
      {"1234567890123", "", "", "lot1", 0, "17", nullptr, kLotAMessage, kLot},
      {"1234567890123", "", "", "LOT 1", 1, "17", nullptr, kLotBMessage, kLot},
      {"1234567890123", "", "", "123", 2, "17", nullptr, kLotCMessage, kLot},
      {"1234567890123", "991231", "12345678", "ABCDEFGH", 0, "17", nullptr, kCapacityMessage, kLot},
      {"1234567890123", "", "", "", 0, "0.5", nullptr, kHeightMessage, kHeight},
      {"1234567890123", "", "", "", 0, "201", nullptr, kHeightMessage, kHeight},
      {"1234567890123", "", "", "", 0, "mm", nullptr, kHeightMessage, kHeight},
      {"1234567890123", "", "", "", 0, "17", "0.099", kNarrowWidthMessage, kNarrowWidth},
      {"1234567890123", "", "", "LOT 1", 3, "17", nullptr, kLotAutoMessage, kLot},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.message);
    Fill(test.productCode, test.expiry, test.quantity, test.lot, test.codeSet, test.height,
         test.narrowWidth);
    SetFocus(Control(kCreate));
    EXPECT_EQ(Create(), std::vector<std::string>{test.message});
    EXPECT_TRUE(HasFocus(Control(test.focus)));
    EXPECT_EQ(Symbols(), 0);
  }
}

TEST_F(Medical128PanelTest, PassingNumberFieldsAreWrittenBackEvenWhenALaterRuleFails) {
  Fill("1234567890123", "", "", "", 0, "12mm", "0.1");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(Text(kHeight), "12.000");
  EXPECT_EQ(Text(kNarrowWidth), "0.100");

  Fill("1234567890123", "", "", "", 0, "200", "0.099");
  EXPECT_EQ(Create(), std::vector<std::string>{kNarrowWidthMessage});
  EXPECT_EQ(Text(kHeight), "200.000");
  EXPECT_EQ(Text(kNarrowWidth), "0.099");
  EXPECT_EQ(Symbols(), 1);
}

TEST_F(Medical128PanelTest, CodeSetListDecidesWhichLotNumbersPass) {
  Fill("1234567890123", "", "007", "lot1", 0);
  EXPECT_EQ(Create(), std::vector<std::string>{kLotAMessage});
  Choose(Control(kLotCodeSet), 1);
  EXPECT_TRUE(Create().empty());
  Type(kLot, "1234");
  Choose(Control(kLotCodeSet), 2);
  EXPECT_TRUE(Create().empty());
  ASSERT_EQ(Symbols(), 2);
  const auto& symbols = session_.emulator().document()->group().children;
  EXPECT_EQ(symbols[0]->children.back()->text.text, u"(01)12345678901231(30)7(10)lot1");
  EXPECT_EQ(symbols[1]->children.back()->text.text, u"(01)12345678901231(30)7(10)1234");
  EXPECT_EQ(Text(kQuantity), "007");  // the field keeps what was typed

  // Automatic code sets take what code set B takes, and make the shortest symbol.
  Type(kLot, "1152KMB");
  Type(kQuantity, "");
  Choose(Control(kLotCodeSet), 3);
  EXPECT_TRUE(Create().empty());
  Choose(Control(kLotCodeSet), 1);
  EXPECT_TRUE(Create().empty());
  ASSERT_EQ(Symbols(), 4);
  EXPECT_LT(symbols[2]->children.size(), symbols[3]->children.size());
}

// The reduction, below the narrow width, narrows every bar; the message names the rule.
TEST_F(Medical128PanelTest, BarWidthReductionNarrowsTheBarsBelowTheNarrowWidth) {
  Fill("1234567890123", "", "", "", 0);
  for (const char* refused : {"0.22", "-0.01", "x"}) {
    Type(kBarWidthReduction, refused);
    SetFocus(Control(kCreate));
    EXPECT_EQ(Create(), std::vector<std::string>{kBarWidthReductionMessage}) << refused;
    EXPECT_TRUE(HasFocus(Control(kBarWidthReduction)));
  }
  EXPECT_EQ(Symbols(), 0);
  Type(kBarWidthReduction, ".05");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(Text(kBarWidthReduction), "0.050");
  Type(kBarWidthReduction, "0");
  EXPECT_TRUE(Create().empty());
  ASSERT_EQ(Symbols(), 2);
  const auto& reduced = session_.emulator().document()->group().children[0]->children;
  const auto& full = session_.emulator().document()->group().children[1]->children;
  ASSERT_EQ(reduced.size(), full.size());
  const auto width = [](const emulator::Art& art) {
    return art.path.segments[2].p.h - art.path.segments[0].p.h;
  };
  // The first bar of the start character, and the space after it.
  EXPECT_NEAR(width(*full[1]) - width(*reduced[1]), 0.05 / 25.4 * 72, 1e-4);
  EXPECT_NEAR(width(*reduced[2]) - width(*full[2]), 0.05 / 25.4 * 72, 1e-4);
  Click(Control(kDefaults));
  EXPECT_EQ(Text(kBarWidthReduction), "0.000");
}

TEST_F(Medical128PanelTest, FieldsAreCheckedBeforeTheDocumentIsMissed) {
  session_.emulator().CloseDocument();
  Fill("123", "", "", "", 0);
  EXPECT_EQ(Create(), std::vector<std::string>{kProductCodeMessage});
  Type(kProductCode, "1234567890123");
  EXPECT_EQ(Create(), std::vector<std::string>{kNoDocumentMessage});
}

TEST_F(Medical128PanelTest, ClearEmptiesTheDataAndKeepsCodeSetAndDimensions) {
  Fill("1234567890123", "991231", "5", "1234", 2, "20", "0.3");
  ASSERT_EQ(Text(kCheckDigit), "1");
  Click(Control(kClear));
  for (const int field : {kProductCode, kExpiry, kQuantity, kLot, kCheckDigit})
    EXPECT_EQ(Text(field), "") << field;
  EXPECT_TRUE(HasFocus(Control(kProductCode)));
  EXPECT_EQ(SendMessageW(Control(kLotCodeSet), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(Text(kHeight), "20");
  EXPECT_EQ(Text(kNarrowWidth), "0.3");

  Click(Control(kDefaults));
  EXPECT_EQ(Text(kHeight), "17.000");
  EXPECT_EQ(Text(kNarrowWidth), "0.220");
  EXPECT_EQ(SendMessageW(Control(kNarrowWidth), CB_GETCURSEL, 0, 0), 2);
}

// A text typed over a chosen entry is the narrow width the user sees, so it is the one used.
TEST_F(Medical128PanelTest, TypedNarrowWidthWinsOverTheChosenEntry) {
  Fill("1234567890123", "", "", "", 0);
  SendMessageW(EditPartOf(Control(kNarrowWidth)), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"0.3"));
  SendMessageW(Control(kNarrowWidth), CB_SETCURSEL, 2, 0);
  SendMessageW(EditPartOf(Control(kNarrowWidth)), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"0.3"));
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(Text(kNarrowWidth), "0.300");
  ASSERT_EQ(Symbols(), 1);
  // The first bar of the start character is two modules wide.
  const auto& rectangles = session_.emulator().document()->group().children[0]->children;
  const auto& bar = rectangles[1]->path.segments;
  EXPECT_NEAR(bar[2].p.h - bar[0].p.h, 2 * 0.3 / 25.4 * 72, 0.01);
}

TEST_F(Medical128PanelTest, TabWalksTheNumericFieldsInOrder) {
  const HWND ring[] = {Control(kProductCode),      Control(kExpiry),
                       Control(kQuantity),         Control(kLot),
                       Control(kHeight),           EditPartOf(Control(kNarrowWidth)),
                       Control(kBarWidthReduction)};
  SetFocus(ring[0]);
  for (int step = 1; step <= 7; ++step) {
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), ring[step % 7]) << step;
  }
  Type(kQuantity, "1234");
  SetFocus(ring[1]);
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  emulator::PumpMessages();
  DWORD start = 1;
  DWORD end = 0;
  SendMessageW(ring[2], EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 4u);
}

// While unloaded the plug-in holds no host suites: its panel stays, but makes nothing.
TEST_F(Medical128PanelTest, CreateDoesNothingWhileThePluginIsUnloaded) {
  Fill("1234567890123", "", "", "", 0);
  ASSERT_EQ(session_.plugin().Unload(), host::kNoError);
  Click(Control(kCreate));
  EXPECT_TRUE(session_.emulator().alerts().empty());
  EXPECT_EQ(Symbols(), 0);
  ASSERT_EQ(session_.plugin().Reload(), host::kNoError);
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(Symbols(), 1);
}

TEST_F(Medical128PanelTest, ShutDownLeavesNoWindowsAndNothingHeld) {
  HWND frame = session_.panelFrames().FrameOf(panel_);
  ASSERT_TRUE(IsWindow(frame));
  EXPECT_EQ(session_.Shutdown(), "");
  EXPECT_FALSE(IsWindow(panel_));
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_EQ(session_.panelFrames().untidyWindows(), 0);
  EXPECT_EQ(session_.emulator().panels().panels.size(), 0);
}

}  // namespace
