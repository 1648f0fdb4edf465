// The GS1 DataBar panel of Barquill.aip, loaded into the host and driven through its controls with
// the window messages typing and clicking send: the symbols it makes, its messages, minimums,
// defaults, per-type texts, enabled states, the tab ring and the settings it keeps in the
// registry across restarts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "databar/gs1_databar_symbol.h"
#include "emulator/win32/host_session.h"
#include "emulator/win32/script_runner.h"
#include "host/suite_acquisition.h"
#include "panels/databar_form.h"
#include "tests/win32/win32_test_support.h"

namespace {

using win32_test::Choose;
using win32_test::Click;
using win32_test::Describe;
using win32_test::HasFocus;
using win32_test::TextOf;

enum Id {
  kCreate = 1,
  kType = 2,
  kItemNumber = 3,
  kCompositeText = 4,
  kCheckDigit = 6,
  kHeight = 10,
  kModuleWidth = 11,
  kClear = 13,
  kDefaults = 14,
  kMinimums = 15,
  kInsertFnc1 = 16,
  kInsertSeparator = 17,
  kInsertLineBreak = 18,
  kSeparatorHeight = 19,
  kCompositeRowHeight = 20,
  kStackedSeparatorHeight = 21,
  kSecondRowHeight = 22,
  kShowText = 24,
  kTextAsOutlines = 25,
  kFitText = 26,
  kTextAsFrame = 27,
  kShowCompositeText = 28,
  kBarWidthReduction = 31,
};

enum Type { kOmni, kTruncated, kStacked, kStackedOmni, kLimited };

constexpr int kLengthIds[] = {
    kModuleWidth,    kHeight, kSeparatorHeight, kCompositeRowHeight, kStackedSeparatorHeight,
    kSecondRowHeight};

constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Vantrel\\DOROV2";

// The settings of each test process live under a key of their own, so that tests sharing the
// Wine prefix at the same time do not see each other's settings.
class PrivateUserHive {
 public:
  PrivateUserHive() : path_(L"Software\\BarquillTests\\" + std::to_wstring(GetCurrentProcessId())) {
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &root_, nullptr);
    overridden_ = RegOverridePredefKey(HKEY_CURRENT_USER, root_) == ERROR_SUCCESS;
  }
  ~PrivateUserHive() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(root_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  }
  bool ready() const { return overridden_; }

 private:
  std::wstring path_;
  HKEY root_ = nullptr;
  bool overridden_ = false;
};

using Bytes = std::vector<uint8_t>;

std::optional<Bytes> StoredValue(const char* name) {
  Bytes value(256);
  DWORD size = static_cast<DWORD>(value.size());
  DWORD type = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, win32_test::Wide(name).c_str(), RRF_RT_ANY,
                   &type, value.data(), &size) != ERROR_SUCCESS ||
      type != REG_BINARY) {
    return std::nullopt;
  }
  value.resize(size);
  return value;
}

void Store(const char* name, const Bytes& value) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, win32_test::Wide(name).c_str(), 0, REG_BINARY, value.data(),
                 static_cast<DWORD>(value.size()));
  RegCloseKey(key);
}

Bytes BytesOf(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

using Rows = std::vector<std::string>;

// Without rows that are wholly light, the light margin common to all rows and each row's
// trailing light modules.
Rows Normalised(Rows rows) {
  std::erase_if(rows, [](const std::string& row) { return row.find('1') == std::string::npos; });
  size_t margin = std::string::npos;
  for (const std::string& row : rows)
    margin = std::min(margin, row.find('1'));
  for (std::string& row : rows)
    row = row.substr(margin, row.find_last_of('1') + 1 - margin);
  return rows;
}

// The bars of a symbol group read back as module rows, top row first: each black rectangle is a
// bar of the row its bottom and top edges name, as many modules wide as the module width fits.
Rows ModulesOfArt(const emulator::Art& group, double moduleWidth) {
  struct Bar {
    double left, right;
  };
  std::map<std::pair<double, double>, std::vector<Bar>, std::greater<>> rows;
  double symbolLeft = 1e9;
  for (const auto& child : group.children) {
    const auto& segments = child->path.segments;
    if (child->kind != emulator::ArtKind::kPath || segments.size() != 4 ||
        child->path.style.fill.colour.components[0] != 1.0f) {
      continue;  // the background, text and glyph outlines
    }
    const double left = std::min(segments[0].p.h, segments[2].p.h);
    const double right = std::max(segments[0].p.h, segments[2].p.h);
    const double bottom = std::min(segments[0].p.v, segments[2].p.v);
    const double top = std::max(segments[0].p.v, segments[2].p.v);
    rows[{bottom, top}].push_back({left, right});
    symbolLeft = std::min(symbolLeft, left);
  }
  Rows modules;
  for (const auto& [edges, bars] : rows) {
    std::string row;
    for (const Bar& bar : bars) {
      const auto start = static_cast<size_t>(std::lround((bar.left - symbolLeft) / moduleWidth));
      const auto end = static_cast<size_t>(std::lround((bar.right - symbolLeft) / moduleWidth));
      row.resize(std::max(row.size(), end), '0');
      std::fill(row.begin() + start, row.begin() + end, '1');
    }
    modules.push_back(row);
  }
  return Normalised(modules);
}

// The module rows `barquill databar --dump` printed for each "type code 2D-data" line of the
// file beside this test.
std::map<std::string, Rows> CommandDumps() {
  std::ifstream file(BARQUILL_DATABAR_DUMPS);
  std::map<std::string, Rows> dumps;
  std::string line;
  std::string name;
  while (std::getline(file, line)) {
    if (line.starts_with("= ")) {
      name = line.substr(2);
    } else if (!line.empty() && line[0] != '#') {
      dumps[name].push_back(line);
    }
  }
  return dumps;
}

class DataBarPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(hive_.ready());
    Start();
  }

  void Start() {
    session_.emplace(emulator::HostOptions{emulator::PluginBesideProgram()});
    ASSERT_EQ(session_->Start(), "");
    panel_ = session_->PanelWindow("GS1DataBar");
    ASSERT_NE(panel_, nullptr);
  }

  // Shuts the plug-in down and starts it again, as closing and reopening the host does.
  void Restart() {
    ASSERT_EQ(session_->Shutdown(), "");
    session_.reset();
    Start();
  }

  void ShowOptions(bool shown) {
    const host::PanelHandle panel = session_->Panel("GS1DataBar");
    ASSERT_EQ(session_->emulator().SetPanelState(panel, shown ? 2 : 1), host::kNoError);
  }

  HWND Control(int id) const { return GetDlgItem(panel_, id); }
  void Type(int id, std::string_view text) { win32_test::Type(Control(id), text); }
  std::string Text(int id) const { return TextOf(Control(id)); }
  void ChooseType(int type) { Choose(Control(kType), type); }
  int CurrentType() const {
    return static_cast<int>(SendMessageW(Control(kType), CB_GETCURSEL, 0, 0));
  }
  bool Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  // The minimum shown beside a length field: the static after its "≧".
  std::string Minimum(int id) const {
    return TextOf(GetWindow(GetWindow(Control(id), GW_HWNDNEXT), GW_HWNDNEXT));
  }
  std::vector<std::string> Lengths() const {
    std::vector<std::string> texts;
    for (const int id : kLengthIds)
      texts.push_back(Text(id));
    return texts;
  }

  const emulator::Art* Symbol(size_t index) {
    const emulator::Document* document = session_->emulator().document();
    if (document == nullptr || document->group().children.size() <= index)
      return nullptr;
    return document->group().children[index].get();
  }
  size_t Symbols() { return win32_test::SymbolCount(*session_); }
  // Clicks the create button; the new alerts it raised.
  std::vector<std::string> Create() {
    return win32_test::ClickForAlerts(*session_, Control(kCreate));
  }

  PrivateUserHive hive_;
  std::optional<emulator::HostSession> session_;
  HWND panel_ = nullptr;
};

TEST_F(DataBarPanelTest, ControlsAreLaidOutAsTheTableGivesThem) {
  struct Expected {
    const wchar_t* className;
    int id;
    int x, y, width, height;  // height -1: a list, whose closed height the font decides
    const char* text;
    DWORD style;  // style bits that must be set
  };
  // Edit controls draw their border themselves and drop WS_BORDER; radio buttons keep
  // WS_TABSTOP only while checked.
  constexpr DWORD kLength = ES_RIGHT | WS_TABSTOP;
  const Expected expected[] = {
      {L"Static", 0, 5, 8, 50, 14, "ﾊﾞｰｺｰﾄﾞ ", SS_RIGHT},
      {L"ComboBox", kType, 57, 5, 160, -1, "Omnidirectional", CBS_DROPDOWNLIST | WS_TABSTOP},
      {L"Static", 0, 5, 30, 290, 2, "", SS_SUNKEN},
      {L"Static", 0, 5, 43, 50, 14, "ｺｰﾄﾞ ", SS_RIGHT},
      {L"Edit", kItemNumber, 57, 40, 90, 20, "", 0},
      {L"Static", kCheckDigit, 150, 41, 20, 18, "", SS_CENTER | SS_SUNKEN},
      {L"Button", kClear, 175, 41, 18, 18, "", BS_OWNERDRAW},
      {L"Static", 0, 5, 68, 50, 14, "二次元ｺｰﾄﾞ", SS_RIGHT},
      {L"Edit", kCompositeText, 57, 65, 230, 33, "", ES_MULTILINE | WS_VSCROLL | WS_TABSTOP},
      {L"Button", kInsertFnc1, 15, 102, 60, 18, "FNC1 (#)", BS_OWNERDRAW},
      {L"Button", kInsertSeparator, 80, 102, 100, 18, "ｼﾝﾎﾞﾙｾﾊﾟﾚｰﾀ (^)", BS_OWNERDRAW},
      {L"Button", kInsertLineBreak, 185, 102, 110, 18, "目視文字の改行 ($)", BS_OWNERDRAW},
      {L"Button", kCreate, 235, 127, 60, 21, "作 成", BS_OWNERDRAW},
      {L"Static", 0, 5, 152, 290, 2, "", SS_SUNKEN},
      {L"Static", 0, 5, 166, 110, 14, "ﾓｼﾞｭｰﾙ幅 ", SS_RIGHT},
      {L"Edit", kModuleWidth, 117, 162, 40, 20, "0.353", kLength},
      {L"Static", 0, 162, 166, 10, 14, "≧", 0},
      {L"Static", 0, 177, 166, 40, 14, "0.170", 0},
      {L"Static", 0, 0, 157, 60, 14, "単位:mm", SS_CENTER},
      {L"Static", 0, 5, 191, 110, 14, "高さ ", SS_RIGHT},
      {L"Edit", kHeight, 117, 187, 40, 20, "11.649", kLength},
      {L"Static", 0, 162, 191, 10, 14, "≧", 0},
      {L"Static", 0, 177, 191, 40, 14, "11.649", 0},
      {L"Static", 0, 5, 216, 110, 14, "ｾﾊﾟﾚｰﾀの高さ ", SS_RIGHT},
      {L"Edit", kSeparatorHeight, 117, 212, 40, 20, "0.353", kLength},
      {L"Static", 0, 162, 216, 10, 14, "≧", 0},
      {L"Static", 0, 177, 216, 40, 14, "0.353", 0},
      {L"Static", 0, 5, 241, 110, 14, "二次元一段の高さ ", SS_RIGHT},
      {L"Edit", kCompositeRowHeight, 117, 237, 40, 20, "0.706", kLength},
      {L"Static", 0, 162, 241, 10, 14, "≧", 0},
      {L"Static", 0, 177, 241, 40, 14, "0.706", 0},
      {L"Static", 0, 5, 266, 110, 14, "ﾊﾞｰ幅補正 ", SS_RIGHT},
      {L"Edit", kBarWidthReduction, 117, 262, 40, 20, "0.000", kLength},
      {L"Button", 23, 5, 287, 290, 65, "Stacked専用ｵﾌﾟｼｮﾝ", BS_OWNERDRAW},
      {L"Static", 0, 15, 306, 100, 14, "ｾﾊﾟﾚｰﾀの高さ ", SS_RIGHT},
      {L"Edit", kStackedSeparatorHeight, 117, 302, 40, 20, "", kLength},
      {L"Static", 0, 162, 306, 10, 14, "≧", 0},
      {L"Static", 0, 177, 306, 40, 14, "", 0},
      {L"Static", 0, 15, 331, 100, 14, "一次元下段の高さ ", SS_RIGHT},
      {L"Edit", kSecondRowHeight, 117, 327, 40, 20, "", kLength},
      {L"Static", 0, 162, 331, 10, 14, "≧", 0},
      {L"Static", 0, 177, 331, 40, 14, "", 0},
      {L"Button", kShowText, 25, 362, 20, 20, "", BS_AUTOCHECKBOX | WS_TABSTOP},
      {L"Static", 0, 45, 365, 150, 14, "一次元目視文字を表示する", 0},
      {L"Button", kTextAsOutlines, 35, 382, 20, 20, "", BS_AUTORADIOBUTTON | WS_GROUP},
      {L"Static", 0, 55, 385, 40, 14, "OCR-B", 0},
      {L"Button", kFitText, 100, 382, 20, 20, "", BS_AUTOCHECKBOX | WS_TABSTOP},
      {L"Static", 0, 120, 385, 150, 14, "OCRをバー幅に合わせる", 0},
      {L"Button", kTextAsFrame, 35, 402, 20, 20, "", BS_AUTORADIOBUTTON},
      {L"Static", 0, 55, 405, 40, 14, "ﾃｷｽﾄ", WS_GROUP},
      {L"Button", kShowCompositeText, 25, 422, 20, 20, "", BS_AUTOCHECKBOX | WS_TABSTOP},
      {L"Static", 0, 45, 425, 140, 14, "ニ次元目視文字を表示する", 0},
      {L"Button", kDefaults, 192, 422, 50, 21, "初期値", BS_OWNERDRAW},
      {L"Button", kMinimums, 245, 422, 50, 21, "最小値", BS_OWNERDRAW},
  };
  HWND control = GetWindow(panel_, GW_CHILD);
  for (const Expected& want : expected) {
    ASSERT_NE(control, nullptr) << want.text;
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&bounds), 2);
    const std::string where = std::to_string(want.x) + "," + std::to_string(want.y);
    EXPECT_EQ(_wcsicmp(className, want.className), 0) << where;
    EXPECT_EQ(GetDlgCtrlID(control), want.id) << where;
    EXPECT_EQ(bounds.left, want.x) << where;
    EXPECT_EQ(bounds.top, want.y) << where;
    EXPECT_EQ(bounds.right - bounds.left, want.width) << where;
    if (want.height >= 0) {
      EXPECT_EQ(bounds.bottom - bounds.top, want.height) << where;
    }
    EXPECT_EQ(TextOf(control), want.text) << where;
    const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    // Button kinds are a number in the low bits, not flags.
    const DWORD kindMask = _wcsicmp(className, L"Button") == 0 ? BS_TYPEMASK : 0;
    EXPECT_EQ(style & (want.style | kindMask), want.style) << where;
    control = GetWindow(control, GW_HWNDNEXT);
  }
  EXPECT_EQ(control, nullptr);

  std::vector<std::string> types;
  for (int entry = 0; entry < SendMessageW(Control(kType), CB_GETCOUNT, 0, 0); ++entry) {
    wchar_t text[64] = {};
    SendMessageW(Control(kType), CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(text));
    types.push_back(win32_test::Utf8(text));
  }
  EXPECT_EQ(types, (std::vector<std::string>{"Omnidirectional", "Truncated", "Stacked",
                                             "Stacked Omnidirectional", "Limited"}));
  EXPECT_EQ(SendMessageW(Control(kItemNumber), EM_GETLIMITTEXT, 0, 0), 13);
  EXPECT_EQ(SendMessageW(Control(kCompositeText), EM_GETLIMITTEXT, 0, 0), 100);
  for (const int id : kLengthIds)
    EXPECT_EQ(SendMessageW(Control(id), EM_GETLIMITTEXT, 0, 0), 7) << id;
  EXPECT_EQ(SendMessageW(Control(kBarWidthReduction), EM_GETLIMITTEXT, 0, 0), 7);
  // The options state holds the bar width reduction's row too.
  ShowOptions(true);
  const emulator::PanelRecord& record =
      *session_->emulator().panels().panels.Find(session_->Panel("GS1DataBar"));
  EXPECT_EQ(record.sizes.preferred.height, 450);
  EXPECT_EQ(record.sizes.maximum.width, 300);
}

TEST_F(DataBarPanelTest, CheckDigitFollowsTheItemNumberAsItIsTyped) {
  Type(kItemNumber, "2001234567890");
  EXPECT_EQ(Text(kCheckDigit), "9");
  Type(kItemNumber, "200123456789");
  EXPECT_EQ(Text(kCheckDigit), "");
  Type(kItemNumber, "200123456789A");
  EXPECT_EQ(Text(kCheckDigit), "");
  // Limited takes only item numbers beginning with 0 or 1.
  ChooseType(kLimited);
  Type(kItemNumber, "2001234567890");
  EXPECT_EQ(Text(kCheckDigit), "");
  Type(kItemNumber, "1501234567890");
  EXPECT_EQ(Text(kCheckDigit), "7");
}

// Each type, typed into the panel, makes the symbol the panel's form makes in-process from the
// same texts (the form `barquill databar` fills), and its bars read back as the modules the
// command prints with --dump.
TEST_F(DataBarPanelTest, EachTypeMakesTheSymbolTheCommandMakes) {
  struct Case {
    int type;
    const char* dumpName;  // the line naming the command's dump
    const char* itemNumber;
    const char* compositeText;
    const char* moduleWidth;  // typed; written back with three decimals
    const char* lengths[5];   // typed after the minimums button
    bool textAsFrame;
    bool showCompositeText;
  };
  const Case cases[] = {
      {kOmni,
       "omnidirectional 2001234567890 (17)991231(10)LOT1001",
       "2001234567890",
       "(17)991231(10)LOT1001",
       "0.35",
       {"12", "0.4", "0.8", "", ""},
       false,
       true},
      {kTruncated,
       "truncated 0123456789012",
       "0123456789012",
       "",
       "0.3",
       {"4", "0.3", "0.6", "", ""},
       true,
       false},
      {kStacked,
       "stacked 2001234567890 (10)ABC#(21)XYZ",
       "2001234567890",
       "(10)ABC#(21)XYZ",
       "0.254",
       {"2", "0.254", "0.508", "0.3", "2.5"},
       false,
       true},
      {kStackedOmni,
       "stacked-omnidirectional 9912345678904 (11)240101",
       "9912345678904",
       "(11)240101",
       "0.4",
       {"13.2", "0.4", "0.8", "0.4", "13.2"},
       true,
       true},
      {kLimited,
       "limited 1501234567890 (17)991231$(10)LOT1001",
       "1501234567890",
       "(17)991231$(10)LOT1001",
       "0.2",
       {"2.1", "0.2", "0.4", "", ""},
       false,
       false},
  };
  const std::map<std::string, Rows> dumps = CommandDumps();
  ShowOptions(true);
  for (const Case& test : cases) {
    SCOPED_TRACE(test.dumpName);
    const size_t first = Symbols();
    ChooseType(test.type);
    Type(kItemNumber, test.itemNumber);
    Type(kCompositeText, test.compositeText);
    Type(kModuleWidth, test.moduleWidth);
    Click(Control(kMinimums));
    for (int i = 0; i < 5; ++i) {
      if (*test.lengths[i] != '\0')
        Type(kLengthIds[i + 1], test.lengths[i]);
    }
    Click(Control(test.textAsFrame ? kTextAsFrame : kTextAsOutlines));
    if (Checked(kShowCompositeText) != test.showCompositeText)
      Click(Control(kShowCompositeText));
    ASSERT_EQ(Create(), std::vector<std::string>{});
    ASSERT_EQ(Symbols(), first + 1);

    panels::DataBarForm form;
    {
      const host::ScopedSuites suites(session_->emulator().basic());
      form.type = test.type;
      form.itemNumber = test.itemNumber;
      form.compositeText = test.compositeText;
      form.lengths.moduleWidth = test.moduleWidth;
      form.RefreshMinimums();
      form.ApplyMinimums();
      std::string panels::DataBarLengthTexts::*const fields[] = {
          &panels::DataBarLengthTexts::height, &panels::DataBarLengthTexts::separatorHeight,
          &panels::DataBarLengthTexts::compositeRowHeight,
          &panels::DataBarLengthTexts::stackedSeparatorHeight,
          &panels::DataBarLengthTexts::secondRowHeight};
      for (int i = 0; i < 5; ++i) {
        if (*test.lengths[i] != '\0')
          form.lengths.*fields[i] = test.lengths[i];
      }
      form.textAsOutlines = !test.textAsFrame;
      form.textAsFrame = test.textAsFrame;
      form.showCompositeText = test.showCompositeText;
      ASSERT_EQ(form.CreateSymbol().outcome, panels::DataBarOutcome::kCreated);
    }
    ASSERT_EQ(Symbols(), first + 2);
    EXPECT_EQ(Describe(*Symbol(first)), Describe(*Symbol(first + 1)));
    // The accepted lengths are written back as the form normalised them.
    EXPECT_EQ(Text(kModuleWidth), form.lengths.moduleWidth);
    EXPECT_EQ(Text(kHeight), form.lengths.height);

    const double moduleWidth = std::stod(form.lengths.moduleWidth) / 25.4 * 72;
    const Rows fromArt = ModulesOfArt(*Symbol(first), moduleWidth);
    Rows fromForm;
    {
      const host::ScopedSuites suites(session_->emulator().basic());
      panels::DataBarLengths accepted;
      ASSERT_FALSE(form.Validate(accepted));
      databar::CGS1DataBarSymbol symbol;
      ASSERT_EQ(form.Encode(symbol, accepted, {}), 0);
      fromForm = Normalised(databar::ModuleRows(symbol));
    }
    EXPECT_EQ(fromArt, fromForm);
    ASSERT_EQ(dumps.count(test.dumpName), 1u);
    EXPECT_EQ(fromArt, Normalised(dumps.at(test.dumpName)));
  }
}

TEST_F(DataBarPanelTest, EachRuleShowsItsMessageAndFocusesItsField) {
  struct Case {
    int type;
    const char* itemNumber;
    const char* compositeText;
    int field;  // one length field typed over its minimum, or 0
    const char* length;
    const char* message;
    int focus;
  };
  const std::string tooLong = "(99)" + std::string(90, 'z');
  const Case cases[] = {
      {kOmni, "200123456789", "", 0, "", "【コード】は数字13桁で入力してください。", kItemNumber},
      {kLimited, "2001234567890", "", 0, "",
       "【コード】は数字13桁、先頭「0」または「1」で入力してください。", kItemNumber},
      {kOmni, "2001234567890", "()", 0, "",
       "【二次元】は半角英数字、半角スペースおよび記号「 ! \" % & ' ( ) * + , - . / : ; < > = ? "
       "_ # ^ $ 」で入力してください。\n括弧()は目視文字のみ表示されバーコードにはなりません。\n"
       "改行は入れないでください。",
       kCompositeText},
      // GS1 data the panel's own rule lets pass: an impossible date.
      {kOmni, "2001234567890", "(10)LOT1$(17)991332", 0, "",
       "AI(17)の日付「991332」の月が01～12ではありません。", kCompositeText},
      {kOmni, "2001234567890", "", kModuleWidth, "10",
       "【モジュール幅】は 0.1～9.999 までの数値で入力してください。", kModuleWidth},
      {kOmni, "2001234567890", "", kHeight, "200.1",
       "【高さ】は 0.1～200 までの数値で入力してください。", kHeight},
      {kTruncated, "2001234567890", "", kSeparatorHeight, "mm",
       "【セパレータの高さ】は 0.1～9.999 までの数値で入力してください。", kSeparatorHeight},
      {kLimited, "1501234567890", "", kCompositeRowHeight, "0.0499",
       "【二次元一段の高さ】は 0.1～9.999 までの数値で入力してください。", kCompositeRowHeight},
      {kStacked, "2001234567890", "", kStackedSeparatorHeight, "",
       "Stackedの【セパレータの高さ】は 0.1～9.999 までの数値で入力してください。",
       kStackedSeparatorHeight},
      {kStackedOmni, "2001234567890", "", kSecondRowHeight, "201",
       "Stackedの【一次元下段の高さ】は 0.1～200 までの数値で入力してください。", kSecondRowHeight},
      // The reduction must leave every bar some width: below the module width of 0.353.
      {kLimited, "1501234567890", "", kBarWidthReduction, "0.3531",
       "【バー幅補正】は 0 以上、【モジュール幅】未満の数値で入力してください。",
       kBarWidthReduction},
      {kOmni, "2001234567890", "", kBarWidthReduction, "-0.01",
       "【バー幅補正】は 0 以上、【モジュール幅】未満の数値で入力してください。",
       kBarWidthReduction},
      // Passes the field rules, but is more than any 2D component over Stacked holds.
      {kStacked, "2001234567890", tooLong.c_str(), 0, "",
       "【二次元】のデータが長すぎます。Stackedの二次元シンボル（2列）に入るデータは最大336ビット"
       "（CC-B 26段）までです。データを減らしてください。",
       kCompositeText},
  };
  ShowOptions(true);
  for (const Case& test : cases) {
    SCOPED_TRACE(test.message);
    ChooseType(test.type);
    Click(Control(kDefaults));
    Type(kItemNumber, test.itemNumber);
    Type(kCompositeText, test.compositeText);
    if (test.field != 0)
      Type(test.field, test.length);
    SetFocus(Control(kCreate));
    EXPECT_EQ(Create(), std::vector<std::string>{test.message});
    EXPECT_TRUE(HasFocus(Control(test.focus)));
    EXPECT_EQ(Symbols(), 0u);
    if (test.field != 0) {
      EXPECT_EQ(Text(test.field), test.length);  // a refused field keeps what was typed
    }
  }
}

TEST_F(DataBarPanelTest, AcceptedLengthsAreNormalisedAndTheStackedOnesIgnoredElsewhere) {
  ShowOptions(true);
  Type(kItemNumber, "2001234567890");
  Type(kModuleWidth, "0.1");
  Type(kHeight, "12mm");
  Type(kStackedSeparatorHeight, "junk");  // not a length Omnidirectional uses
  EXPECT_EQ(Create(), std::vector<std::string>{});
  EXPECT_EQ(Text(kModuleWidth), "0.100");
  EXPECT_EQ(Text(kHeight), "12.000");
  EXPECT_EQ(Text(kStackedSeparatorHeight), "junk");
  EXPECT_EQ(Symbols(), 1u);

  // Fields that passed are rewritten even when a later one fails.
  Type(kModuleWidth, "0.35");
  Type(kSeparatorHeight, "10");
  EXPECT_EQ(Create().size(), 1u);
  EXPECT_EQ(Text(kModuleWidth), "0.350");
  EXPECT_EQ(Text(kSeparatorHeight), "10");
  EXPECT_EQ(Symbols(), 1u);
}

TEST_F(DataBarPanelTest, MinimumsFollowTheTypeAndTheModuleWidth) {
  struct Expected {
    int type;
    const char* minimums[6];
  };
  const Expected expected[] = {
      {kOmni, {"0.170", "11.649", "0.353", "0.706", "", ""}},
      {kTruncated, {"0.170", "4.589", "0.353", "0.706", "", ""}},
      {kStacked, {"0.170", "1.765", "0.353", "0.706", "0.353", "2.471"}},
      {kStackedOmni, {"0.170", "11.649", "0.353", "0.706", "0.353", "11.649"}},
      {kLimited, {"0.170", "3.530", "0.353", "0.706", "", ""}},
  };
  for (const Expected& want : expected) {
    ChooseType(want.type);
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(Minimum(kLengthIds[i]), want.minimums[i]) << want.type << " " << i;
  }
  // They follow the module width as it is typed, and stay when it is not a length.
  ChooseType(kStacked);
  Type(kModuleWidth, "0.5");
  EXPECT_EQ(Minimum(kHeight), "2.500");
  EXPECT_EQ(Minimum(kCompositeRowHeight), "1.000");
  Type(kModuleWidth, "0.05");
  EXPECT_EQ(Minimum(kHeight), "2.500");
  Type(kModuleWidth, "x");
  EXPECT_EQ(Minimum(kHeight), "2.500");
}

TEST_F(DataBarPanelTest, DefaultsAndMinimumsButtons) {
  ShowOptions(true);
  ChooseType(kStackedOmni);
  for (const int id : kLengthIds)
    Type(id, "5");
  Click(Control(kShowText));
  Click(Control(kShowCompositeText));

  // The minimums for the module width typed; the module width itself stays.
  Click(Control(kMinimums));
  EXPECT_EQ(Lengths(),
            (std::vector<std::string>{"5", "165.000", "5.000", "10.000", "5.000", "165.000"}));
  EXPECT_FALSE(Checked(kShowText));

  Click(Control(kDefaults));
  EXPECT_EQ(Lengths(),
            (std::vector<std::string>{"0.353", "11.649", "0.353", "0.706", "0.353", "11.649"}));
  EXPECT_TRUE(Checked(kShowText));
  EXPECT_TRUE(Checked(kTextAsOutlines));
  EXPECT_TRUE(Checked(kFitText));
  EXPECT_FALSE(Checked(kTextAsFrame));
  EXPECT_FALSE(Checked(kShowCompositeText));
  EXPECT_TRUE(Enabled(kTextAsFrame));
  EXPECT_TRUE(Enabled(kFitText));
}

TEST_F(DataBarPanelTest, TypesKeepTheirOwnTextsAndLengths) {
  ChooseType(kStacked);
  Type(kItemNumber, "2001234567890");
  Type(kCompositeText, "(10)ABC");
  Type(kHeight, "2");
  ChooseType(kOmni);
  EXPECT_EQ(Text(kItemNumber), "");
  EXPECT_EQ(Text(kCheckDigit), "");
  EXPECT_EQ(Text(kCompositeText), "");
  EXPECT_EQ(Text(kHeight), "11.649");
  Type(kItemNumber, "0123456789012");
  ChooseType(kStacked);
  EXPECT_EQ(Text(kItemNumber), "2001234567890");
  EXPECT_EQ(Text(kCheckDigit), "9");
  EXPECT_EQ(Text(kCompositeText), "(10)ABC");
  EXPECT_EQ(Text(kHeight), "2");
  EXPECT_EQ(Minimum(kSecondRowHeight), "2.471");
  ChooseType(kOmni);
  EXPECT_EQ(Text(kItemNumber), "0123456789012");
  EXPECT_EQ(Text(kCheckDigit), "8");
}

TEST_F(DataBarPanelTest, OptionFieldsAreEnabledInStateTwoForTheTypesThatUseThem) {
  const auto enabledLengths = [this] {
    std::string flags;
    for (const int id : kLengthIds)
      flags += Enabled(id) ? '1' : '0';
    return flags;
  };
  for (const int type : {kOmni, kStacked}) {
    ChooseType(type);
    EXPECT_EQ(enabledLengths(), "000000") << type;
    EXPECT_FALSE(Enabled(kBarWidthReduction));
  }
  ShowOptions(true);
  EXPECT_EQ(enabledLengths(), "111111");
  const char* const byType[] = {"111100", "111100", "111111", "111111", "111100"};
  for (int type = kOmni; type <= kLimited; ++type) {
    ChooseType(type);
    EXPECT_EQ(enabledLengths(), byType[type]) << type;
    EXPECT_TRUE(Enabled(kBarWidthReduction)) << type;  // every type's bars can be reduced
  }
  ShowOptions(false);
  EXPECT_EQ(enabledLengths(), "000000");
  EXPECT_FALSE(Enabled(kBarWidthReduction));

  // The text options follow each other: the text forms need the text, fitting needs outlines.
  EXPECT_TRUE(Enabled(kFitText));
  Click(Control(kTextAsFrame));
  EXPECT_FALSE(Checked(kTextAsOutlines));
  EXPECT_FALSE(Enabled(kFitText));
  Click(Control(kShowText));
  EXPECT_FALSE(Enabled(kTextAsOutlines));
  EXPECT_FALSE(Enabled(kTextAsFrame));
  EXPECT_TRUE(Enabled(kShowCompositeText));
  Click(Control(kShowText));
  Click(Control(kTextAsOutlines));
  EXPECT_TRUE(Enabled(kFitText));
}

TEST_F(DataBarPanelTest, TabWalksTheEnabledLengthFields) {
  ShowOptions(true);
  const auto walk = [this](int from, bool backward) {
    SetFocus(Control(from));
    if (backward) {
      INPUT shift{};
      shift.type = INPUT_KEYBOARD;
      shift.ki.wVk = VK_SHIFT;
      SendInput(1, &shift, sizeof shift);
      SendMessageW(Control(from), WM_KEYDOWN, VK_TAB, 0);
      shift.ki.dwFlags = KEYEVENTF_KEYUP;
      SendInput(1, &shift, sizeof shift);
    } else {
      SendMessageW(Control(from), WM_KEYDOWN, VK_TAB, 0);
    }
    emulator::PumpMessages();
    return GetDlgCtrlID(GetFocus());
  };
  EXPECT_EQ(walk(kModuleWidth, false), kHeight);
  EXPECT_EQ(walk(kSeparatorHeight, false), kCompositeRowHeight);
  EXPECT_EQ(walk(kCompositeRowHeight, false), kBarWidthReduction);
  EXPECT_EQ(walk(kBarWidthReduction, false), kModuleWidth);  // past the disabled stacked ones
  EXPECT_EQ(walk(kModuleWidth, true), kBarWidthReduction);
  ChooseType(kStacked);
  EXPECT_EQ(walk(kCompositeRowHeight, false), kBarWidthReduction);
  EXPECT_EQ(walk(kBarWidthReduction, false), kStackedSeparatorHeight);
  EXPECT_EQ(walk(kSecondRowHeight, false), kModuleWidth);
  EXPECT_EQ(walk(kModuleWidth, true), kSecondRowHeight);
  // The text of the field reached is selected.
  walk(kStackedSeparatorHeight, false);
  DWORD start = 1;
  DWORD end = 0;
  SendMessageW(Control(kSecondRowHeight), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, Text(kSecondRowHeight).size());
}

TEST_F(DataBarPanelTest, InsertButtonsReplaceTheSelectionUndoably) {
  HWND field = Control(kCompositeText);
  Type(kCompositeText, "(10)ABCxx(21)1");
  SendMessageW(field, EM_SETSEL, 7, 9);
  SetFocus(Control(kItemNumber));
  Click(Control(kInsertFnc1));
  EXPECT_EQ(Text(kCompositeText), "(10)ABC#(21)1");
  EXPECT_TRUE(HasFocus(field));
  SendMessageW(field, EM_UNDO, 0, 0);
  EXPECT_EQ(Text(kCompositeText), "(10)ABCxx(21)1");

  SendMessageW(field, EM_SETSEL, 0, 0);
  Click(Control(kInsertSeparator));
  SendMessageW(field, EM_SETSEL, 15, 15);
  Click(Control(kInsertLineBreak));
  EXPECT_EQ(Text(kCompositeText), "^(10)ABCxx(21)1$");
}

TEST_F(DataBarPanelTest, ClearEmptiesTheDataAndKeepsTheLengths) {
  Type(kItemNumber, "2001234567890");
  Type(kCompositeText, "(10)A");
  Type(kHeight, "20");
  Click(Control(kClear));
  EXPECT_EQ(Text(kItemNumber), "");
  EXPECT_EQ(Text(kCheckDigit), "");
  EXPECT_EQ(Text(kCompositeText), "");
  EXPECT_EQ(Text(kHeight), "20");
  EXPECT_TRUE(HasFocus(Control(kItemNumber)));
}

TEST_F(DataBarPanelTest, SettingsSurviveARestartPerType) {
  ChooseType(kStacked);
  ShowOptions(true);
  Type(kModuleWidth, "0.5");
  Type(kSecondRowHeight, "4");
  Click(Control(kTextAsFrame));
  Click(Control(kShowCompositeText));
  ChooseType(kLimited);
  Type(kHeight, "9.5");
  Click(Control(kShowText));
  Restart();

  // The last type chosen, with its lengths as they were at shut-down.
  EXPECT_EQ(CurrentType(), kLimited);
  EXPECT_EQ(Text(kHeight), "9.5");
  EXPECT_FALSE(Checked(kShowText));
  EXPECT_FALSE(Enabled(kTextAsOutlines));
  EXPECT_EQ(Minimum(kHeight), "3.530");
  ChooseType(kStacked);
  EXPECT_EQ(Lengths(), (std::vector<std::string>{"0.5", "1.765", "0.353", "0.706", "0.353", "4"}));
  EXPECT_EQ(Minimum(kHeight), "2.500");
  EXPECT_TRUE(Checked(kTextAsFrame));
  EXPECT_FALSE(Checked(kTextAsOutlines));
  EXPECT_TRUE(Checked(kShowCompositeText));
  ChooseType(kTruncated);  // never stored: the defaults
  EXPECT_EQ(Lengths(), (std::vector<std::string>{"0.353", "4.589", "0.353", "0.706", "", ""}));

  // The registry holds what the panel wrote, unused bytes as zeros.
  EXPECT_EQ(StoredValue("version"), BytesOf("TYL Ver.2.0.0"));
  EXPECT_EQ(StoredValue("type"), (Bytes{kTruncated, 0, 0, 0}));
  Bytes stacked(72, 0);
  const char* texts[] = {"0.5", "1.765", "0.353", "0.706", "0.353", "4"};
  for (int slot = 0; slot < 6; ++slot)
    std::copy_n(texts[slot], std::strlen(texts[slot]), stacked.begin() + 8 * slot);
  for (const int offset : {52, 60, 64, 68})  // all but the outlines (56)
    stacked[offset] = 1;
  EXPECT_EQ(StoredValue("TYL2"), stacked);
}

TEST_F(DataBarPanelTest, MissingKeyOpensOnOmnidirectionalWithTheDefaults) {
  EXPECT_EQ(CurrentType(), kOmni);
  EXPECT_EQ(Lengths(), (std::vector<std::string>{"0.353", "11.649", "0.353", "0.706", "", ""}));
  EXPECT_TRUE(Checked(kShowText));
  EXPECT_TRUE(Checked(kTextAsOutlines));
  EXPECT_TRUE(Checked(kFitText));
  EXPECT_FALSE(Checked(kTextAsFrame));
  EXPECT_FALSE(Checked(kShowCompositeText));
  // Opening stores nothing; only a change of type or the shut-down does.
  EXPECT_FALSE(StoredValue("version"));
}

TEST_F(DataBarPanelTest, RecordsThisProgramCannotHaveWrittenReadAsDefaults) {
  Type(kHeight, "25");
  ChooseType(kStackedOmni);
  Type(kHeight, "30");
  ChooseType(kLimited);
  Type(kHeight, "10");
  ASSERT_EQ(session_->Shutdown(), "");
  session_.reset();
  const Bytes stackedOmni = *StoredValue("TYL3");

  // Another version: the stored type and records are not used.
  Store("version", BytesOf("TYL Ver.1.0.0"));
  Start();
  EXPECT_EQ(CurrentType(), kOmni);
  EXPECT_EQ(Text(kHeight), "11.649");
  ASSERT_EQ(session_->Shutdown(), "");  // stores the version again
  session_.reset();

  // A short record, one too long and one with a state that is neither on nor off.
  Bytes shorter(stackedOmni.begin(), stackedOmni.begin() + 60);
  Bytes longer = stackedOmni;
  longer.push_back(0);
  Bytes oddState = stackedOmni;
  oddState[68] = 2;
  Store("TYL0", shorter);
  Store("TYL1", longer);
  Store("TYL4", oddState);
  Start();
  EXPECT_EQ(CurrentType(), kLimited);
  EXPECT_EQ(Text(kHeight), "3.530");
  EXPECT_FALSE(Checked(kShowCompositeText));
  ChooseType(kOmni);
  EXPECT_EQ(Text(kHeight), "11.649");
  ChooseType(kTruncated);
  EXPECT_EQ(Text(kHeight), "4.589");
  ChooseType(kStackedOmni);
  EXPECT_EQ(Text(kHeight), "30");

  // A stored type outside the list opens Omnidirectional.
  ASSERT_EQ(session_->Shutdown(), "");
  session_.reset();
  Store("type", Bytes{7, 0, 0, 0});
  Start();
  EXPECT_EQ(CurrentType(), kOmni);
}

// The reduction reaches the art as the form draws it, is kept per type in a value beside the
// type's record, and a record written before that value existed still reads, without reduction.
TEST_F(DataBarPanelTest, BarWidthReductionIsDrawnAndKeptPerTypeBesideTheRecord) {
  ShowOptions(true);
  ChooseType(kStacked);
  Type(kItemNumber, "2001234567890");
  Type(kBarWidthReduction, ".05");
  ASSERT_EQ(Create(), std::vector<std::string>{});
  EXPECT_EQ(Text(kBarWidthReduction), "0.050");
  {
    const host::ScopedSuites suites(session_->emulator().basic());
    panels::DataBarForm form;
    form.type = kStacked;
    form.ApplyDefaults();
    form.itemNumber = "2001234567890";
    form.lengths.barWidthReduction = "0.05";
    ASSERT_EQ(form.CreateSymbol().outcome, panels::DataBarOutcome::kCreated);
  }
  ASSERT_EQ(Symbols(), 2u);
  EXPECT_EQ(Describe(*Symbol(0)), Describe(*Symbol(1)));

  ChooseType(kLimited);
  EXPECT_EQ(Text(kBarWidthReduction), "0.000");  // a type never stored: no reduction
  Type(kBarWidthReduction, "0.1");
  Restart();
  EXPECT_EQ(Text(kBarWidthReduction), "0.1");
  ChooseType(kStacked);
  EXPECT_EQ(Text(kBarWidthReduction), "0.050");
  EXPECT_EQ(StoredValue("TYL2BWR"), (Bytes{'0', '.', '0', '5', '0', 0, 0, 0}));
  EXPECT_EQ(StoredValue("TYL2")->size(), 72u);  // the record keeps its layout

  // The record of Stacked as an earlier version wrote it: no reduction value beside it.
  Type(kHeight, "7");
  ASSERT_EQ(session_->Shutdown(), "");
  session_.reset();
  ASSERT_EQ(RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"TYL2BWR"), ERROR_SUCCESS);
  Start();
  ChooseType(kStacked);
  EXPECT_EQ(Text(kHeight), "7");
  EXPECT_EQ(Text(kBarWidthReduction), "0.000");
}

}  // namespace
