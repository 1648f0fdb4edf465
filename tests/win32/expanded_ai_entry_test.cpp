// The AI entry view of the GS1 DataBar Expanded panel in Barquill.aip: shown instead of the main
// controls with the host panel fitted to it, filled from the code field's element string and
// accepted back into it, with the messages and focus of its checks.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/messages.h"
#include "tests/win32/expanded_panel_fixture.h"
#include "tests/win32/win32_test_support.h"

namespace {

using namespace expanded_test;
using win32_test::HasFocus;
using win32_test::TextOf;

constexpr char kFullCode[] = "(01)12345678901231(17)011231(30)100(10)ABC(21)S1(240)X";

class ExpandedAiEntryTest : public ExpandedPanelTest {
 public:
  int Order(int row) const {
    return static_cast<int>(SendMessageW(Row(row).order, CB_GETCURSEL, 0, 0));
  }
  void SetOrder(int row, int order) { win32_test::Choose(Row(row).order, order); }
  bool ViewShown() const { return IsWindowVisible(Control(kAccept)) != FALSE; }
  Alerts Open(const char* code) {
    Type(kCode, code);
    return Click(kOpenAiEntry);
  }
  // Every row's order and data, and whether the data field is enabled.
  void ExpectRows(const std::vector<int>& orders, const std::vector<std::string>& data) {
    for (int row = 0; row < 8; ++row) {
      EXPECT_EQ(Order(row), orders[row]) << row;
      EXPECT_EQ(TextOf(Row(row).data), data[row]) << row;
      EXPECT_EQ(IsWindowEnabled(Row(row).data) != FALSE, orders[row] != 0) << row;
    }
  }
};

TEST_F(ExpandedAiEntryTest, ReplacesTheMainViewAndGivesTheHostPanelBackWhenClosed) {
  SetState(2);
  const host::FlyoutMenuHandle flyout = HostPanel().flyout;
  ASSERT_NE(flyout, nullptr);
  EXPECT_EQ(Open(""), Alerts{});
  EXPECT_TRUE(ViewShown());
  EXPECT_FALSE(IsWindowVisible(Control(kCode)));
  EXPECT_EQ(HostPanel().sizes.minimum.width, 300);
  EXPECT_EQ(HostPanel().sizes.maximum.height, 258);
  EXPECT_EQ(HostPanel().flyout, nullptr);
  // An empty code opens the cleared rows: (01) first, (17) second, (10) fourth.
  ExpectRows({1, 2, 0, 4, 0, 0, 0, 0}, {"", "", "", "", "", "", "", ""});
  EXPECT_TRUE(HasFocus(Row(0).data));

  EXPECT_EQ(Click(kCancel), Alerts{});
  EXPECT_FALSE(ViewShown());
  EXPECT_EQ(HostPanel().flyout, flyout);
  EXPECT_EQ(HostPanel().state, 2);
  EXPECT_EQ(HostPanel().sizes.preferred.height, 398);
  EXPECT_TRUE(IsWindowEnabled(Control(kModuleWidth)));
  EXPECT_TRUE(HasFocus(Control(kCode)));
}

TEST_F(ExpandedAiEntryTest, RoundTripsTheCodeThroughTheEditedRows) {
  EXPECT_EQ(Open(kFullCode), Alerts{});
  ExpectRows({1, 2, 3, 4, 5, 6, 0, 0},
             {"1234567890123", "011231", "100", "ABC", "S1", "X", "", ""});
  EXPECT_EQ(TextOf(Row(5).ai), "240");
  EXPECT_EQ(Text(kCheckDigit), "1");

  // The quantity leaves, the lot takes parentheses, a free AI joins last, and the item number
  // changes with its check digit.
  SetOrder(2, 0);
  win32_test::Type(Row(3).data, "LOT(9)");
  SetOrder(6, 7);
  EXPECT_TRUE(IsWindowEnabled(Row(6).ai));
  win32_test::Type(Row(6).ai, "91");
  win32_test::Type(Row(6).data, "abc");
  win32_test::Type(Row(0).data, "4912345678904");
  EXPECT_EQ(Text(kCheckDigit), "2");
  EXPECT_EQ(Click(kAccept), Alerts{});
  EXPECT_FALSE(ViewShown());
  EXPECT_EQ(Text(kCode), "(01)49123456789042(17)011231(10)LOT\\(9\\)(21)S1(240)X(91)abc");
  EXPECT_EQ(Click(kCreate), Alerts{});
  EXPECT_EQ(Symbols(), 1);
}

TEST_F(ExpandedAiEntryTest, CodesThatDoNotFitTheRowsKeepTheMainView) {
  const std::pair<const char*, std::string> cases[] = {
      {"(01)12345678901231(17)991231(30)1(10)A(21)B(90)C(91)D(92)E(93)F",
       panels::kMsgTooManyAis.japanese},
      {"(21)B(90)C(91)D(92)E(93)F", panels::kMsgTooManyOtherAis.japanese},
      {"(10)A(10)B", panels::WithAi(panels::kMsgDuplicateAi, "10")},
  };
  for (const auto& [code, message] : cases) {
    SCOPED_TRACE(code);
    SetFocus(Control(kCreate));
    EXPECT_EQ(Open(code), Alerts{message});
    EXPECT_FALSE(ViewShown());
    EXPECT_TRUE(HasFocus(Control(kCode)));
    EXPECT_NE(HostPanel().flyout, nullptr);
  }
}

TEST_F(ExpandedAiEntryTest, RefusedRowsKeepTheViewAndFocusWhatTheCheckNames) {
  constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  struct Case {
    const char* name;
    int row;
    int order;
    const char* ai;
    const char* data;
    std::string message;
    HWND EntryRow::*focus;  // null: no field is named
  };
  const Case cases[] = {
      {"12-digit item number", 0, 1, nullptr, "123456789012", panels::kMsgProductCode.japanese,
       &EntryRow::data},
      {"shared order", 3, 2, nullptr, "L1", panels::kMsgDuplicateOrder.japanese, &EntryRow::order},
      {"free row left empty", 4, 5, "", "", panels::kMsgInvalidData.japanese, &EntryRow::data},
      {"unknown free AI", 4, 5, "05", "1", panels::kMsgUnknownAi.japanese, &EntryRow::ai},
      {"backslash in the data", 7, 5, "91", "A\\B",
       panels::WithAi(panels::kMsgInvalidRowData, "91"), &EntryRow::data},
      {"beyond 70 characters", 5, 5, "90", kAlphabet, panels::kMsgTooMuchData.japanese, nullptr},
  };
  constexpr char kCode[] = "(01)12345678901231(17)991231(10)L1(91)ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    ASSERT_EQ(Open(kCode), Alerts{});
    const EntryRow row = Row(test.row);
    SetOrder(test.row, test.order);
    if (test.ai != nullptr)
      win32_test::Type(row.ai, test.ai);
    win32_test::Type(row.data, test.data);
    EXPECT_EQ(Click(kAccept), Alerts{test.message});
    EXPECT_TRUE(ViewShown());
    EXPECT_EQ(Text(expanded_test::kCode), kCode);
    if (test.focus != nullptr) {
      EXPECT_TRUE(HasFocus(row.*test.focus));
    }
    Click(kCancel);
  }
}

TEST_F(ExpandedAiEntryTest, WrongCheckDigitOfAnItemNumberInAFreeRowIsRefusedThere) {
  ASSERT_EQ(Open(""), Alerts{});
  for (const int fixedRow : {0, 1, 3})
    SetOrder(fixedRow, 0);
  SetOrder(5, 1);
  win32_test::Type(Row(5).ai, "01");
  win32_test::Type(Row(5).data, "12345678901239");
  EXPECT_EQ(Click(kAccept),
            Alerts{"AI(01)のチェックデジットが違います。正しいチェックデジットは「1」です。"});
  EXPECT_TRUE(ViewShown());
  EXPECT_TRUE(HasFocus(Row(5).data));
  EXPECT_EQ(Text(kCode), "");

  win32_test::Type(Row(5).data, "12345678901231");
  EXPECT_EQ(Click(kAccept), Alerts{});
  EXPECT_EQ(Text(kCode), "(01)12345678901231");
}

TEST_F(ExpandedAiEntryTest, ClearResetsTheRowsInTheViewAndEmptiesTheFieldsOutside) {
  ASSERT_EQ(Open(kFullCode), Alerts{});
  Click(kClear);  // the view's own clear button
  EXPECT_TRUE(ViewShown());
  ExpectRows({1, 2, 0, 4, 0, 0, 0, 0}, {"", "", "", "", "", "", "", ""});
  EXPECT_EQ(TextOf(Row(4).ai), "");
  EXPECT_FALSE(IsWindowEnabled(Row(4).ai));
  EXPECT_EQ(Text(kCheckDigit), "");
  EXPECT_TRUE(HasFocus(Row(0).data));
  Click(kCancel);
  EXPECT_EQ(Text(kCode), kFullCode);

  Type(kCompositeText, "(21)1");
  Click(kClear);  // the main view's
  EXPECT_EQ(Text(kCode), "");
  EXPECT_EQ(Text(kCompositeText), "");
  EXPECT_TRUE(HasFocus(Control(kCode)));
}

}  // namespace
