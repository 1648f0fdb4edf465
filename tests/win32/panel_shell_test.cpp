// The panel shell with a two-state panel of its own, built directly over the emulator with real
// panel windows: construction and its failures, the flyout item and the states, showing from the
// menu, colours on light and dark host panels, drawing, the tab ring, and tear-down.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include "emulator/emulator.h"
#include "emulator/win32/panel_frames.h"
#include "emulator/win32/script_runner.h"
#include "host/suite_acquisition.h"
#include "host/suite_pointers.h"
#include "host/unicode_string.h"
#include "panels/win32/bmp_bitmap.h"
#include "panels/win32/panel_colours.h"
#include "panels/win32/panel_shell.h"
#include "panels/win32/plugin_resource.h"
#include "panels/win32/tab_ring.h"

namespace {

using panels::ControlRole;
using panels::ControlSpec;

constexpr COLORREF kBitmapColour = RGB(200, 30, 40);
constexpr int kThrowingCommand = 99;

// An 18 x 18, 24-bit BMP file of one colour, padded with `extra` bytes after its pixels.
std::vector<char> BmpFile(size_t extra = 0) {
  constexpr int kSide = 18;
  constexpr uint32_t kStride = (kSide * 3 + 3) & ~3u;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = kSide;
  header.biHeight = kSide;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biSizeImage = kStride * kSide;
  const uint32_t offset = 14 + sizeof header;
  std::vector<char> file(offset + header.biSizeImage + extra, 0);
  const uint32_t fileHeader[3] = {static_cast<uint32_t>(file.size()), 0, offset};
  file[0] = 'B';
  file[1] = 'M';
  std::memcpy(&file[2], fileHeader, sizeof fileHeader);
  std::memcpy(&file[14], &header, sizeof header);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      char* pixel = &file[offset + y * kStride + x * 3];
      pixel[0] = static_cast<char>(GetBValue(kBitmapColour));
      pixel[1] = static_cast<char>(GetGValue(kBitmapColour));
      pixel[2] = static_cast<char>(GetRValue(kBitmapColour));
    }
  }
  return file;
}

std::vector<uint8_t> Bytes(const std::vector<char>& chars) {
  return std::vector<uint8_t>(chars.begin(), chars.end());
}

constexpr wchar_t kTestProperty[] = L"TEST";
constexpr panels::PanelKind kTestKind{"TestPanel",
                                      "Test panel",
                                      kTestProperty,
                                      &panels::PanelProcedure<kTestProperty>,
                                      2,
                                      {{300, 154}, {300, 425}}};

// A panel with one control of every role, two numeric fields in its ring and an option field.
class TestPanel : public panels::PanelShell {
 public:
  TestPanel(host::PluginHandle plugin, host::MenuItemHandle menuItem)
      : PanelShell(plugin, menuItem, kTestKind) {
    Construct();
  }
  ~TestPanel() override { TearDown(); }

  HWND label = nullptr;
  HWND result = nullptr;
  HWND first = nullptr;
  HWND second = nullptr;
  HWND option = nullptr;
  HWND button = nullptr;
  HWND bitmapButton = nullptr;
  HWND frame = nullptr;
  HWND separator = nullptr;
  int loaded = 0;
  int* saved = nullptr;  // outlives the panel

 private:
  bool CreateControls() override {
    using enum ControlRole;
    frame = AddControl({L"BUTTON", "枠", 20, 5, 40, 290, 60, BS_OWNERDRAW, kGroupFrame});
    label = AddControl({L"STATIC", "ラベル", 0, 10, 60, 100, 14, SS_LEFT, kLabel});
    result = AddControl({L"STATIC", "7", 21, 120, 60, 20, 18, SS_CENTER, kResult});
    first = AddControl({L"EDIT", nullptr, 22, 10, 80, 50, 20, WS_BORDER, kField});
    second = AddControl({L"EDIT", nullptr, 23, 70, 80, 50, 20, WS_BORDER, kField});
    option = AddControl({L"EDIT", nullptr, 24, 130, 80, 50, 20, WS_BORDER, kField});
    separator = AddControl({L"STATIC", nullptr, 25, 5, 105, 290, 2, SS_SUNKEN, kSeparator});
    button = AddControl({L"BUTTON", "作 成", 1, 232, 120, 60, 21, BS_OWNERDRAW, kPushButton});
    bitmapButton = AddBitmapButton(
        {L"BUTTON", nullptr, 26, 200, 120, 18, 18, BS_OWNERDRAW, kBitmapButton}, "bmpClear");
    return frame && label && result && first && second && option && separator && button &&
           bitmapButton && AddToTabRing(first) && AddToTabRing(second) && AddToTabRing(option);
  }
  void LoadSettings() override { ++loaded; }
  void SaveSettings() override {
    if (saved != nullptr)
      ++*saved;
  }
  void EnableOptionFields(bool optionsShown) override { EnableWindow(option, optionsShown); }
  bool OnCommand(int id, int, HWND) override {
    if (id == kThrowingCommand)
      throw std::runtime_error("a command failed");
    return false;
  }
};

class PanelShellTest : public ::testing::Test {
 protected:
  explicit PanelShellTest(COLORREF background = emulator::PanelFrames::kLightBackground) {
    auto frames = std::make_unique<emulator::PanelFrames>(emulator_, nullptr, background);
    frames_ = frames.get();
    emulator_.SetPanelWindows(std::move(frames));
    emulator_.AddResource(panels::kPngResource, "PANEL_ICON", icon_);
    emulator_.AddResource(panels::kBmpResource, "BMPCLEAR", Bytes(BmpFile()));
  }

  void SetUp() override {
    ASSERT_EQ(suites_.result(), host::kNoError);
    const ai::UnicodeString text{std::string_view("テスト")};
    const host::MenuItemData item{"Window Utilities", text.handle()};
    ASSERT_EQ(host::sMenu->AddMenuItem(plugin(), nullptr, &item, 0, &menuItem_), host::kNoError);
  }

  host::PluginHandle plugin() { return reinterpret_cast<host::PluginHandle>(this); }

  std::unique_ptr<TestPanel> MakePanel() {
    auto panel = std::make_unique<TestPanel>(plugin(), menuItem_);
    panel->saved = &saved_;
    return panel;
  }

  const emulator::PanelRecord& Record(const TestPanel& panel) {
    return *emulator_.panels().panels.Find(panel.hostPanel());
  }
  const emulator::FlyoutItem& FlyoutItem(const TestPanel& panel) {
    return emulator_.panels().flyouts.Find(Record(panel).flyout)->items.at(0);
  }
  bool MenuChecked() { return emulator_.menus().items.Find(menuItem_)->checked; }

  // A colour request as a control sends it: the brush, and the colours set on the device context.
  struct ColourAnswer {
    HBRUSH brush;
    COLORREF text;
    COLORREF background;
  };
  ColourAnswer AskColour(const TestPanel& panel, UINT message, HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        panel.window(), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    const ColourAnswer answer{brush, GetTextColor(dc), GetBkColor(dc)};
    DeleteDC(dc);
    return answer;
  }

  const std::vector<uint8_t> icon_ = std::vector<uint8_t>(2500, 0x5A);  // three chunks
  emulator::Emulator emulator_;
  emulator::PanelFrames* frames_;
  host::ScopedSuites suites_{emulator_.basic()};
  host::MenuItemHandle menuItem_ = nullptr;
  int saved_ = 0;
};

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH description{};
  GetObjectW(brush, sizeof description, &description);
  return description.lbColor;
}

TEST_F(PanelShellTest, BuildsTheHostPanelWithFlyoutIconAndControlsInStateOne) {
  const auto panel = MakePanel();
  ASSERT_EQ(panel->status(), host::kNoError);
  const emulator::PanelRecord& record = Record(*panel);
  EXPECT_EQ(record.id, "TestPanel");
  EXPECT_EQ(record.title, "Test panel");
  EXPECT_EQ(record.stateCount, 2);
  EXPECT_FALSE(record.resizable);
  EXPECT_EQ(record.userData, panel.get());
  EXPECT_EQ(record.state, 1);
  EXPECT_EQ(record.sizes.preferred.height, 154);
  EXPECT_EQ(record.sizes.maximum.width, 300);
  EXPECT_EQ(record.icon, icon_);
  EXPECT_EQ(FlyoutItem(*panel).id, 1u);
  EXPECT_EQ(FlyoutItem(*panel).text, "オプションを表示");
  EXPECT_TRUE(record.shown);
  EXPECT_TRUE(MenuChecked());  // the item shows the panel's visibility from the start
  EXPECT_EQ(panel->loaded, 1);
  EXPECT_FALSE(IsWindowEnabled(panel->option));
  EXPECT_EQ(GetPropW(panel->window(), kTestProperty), panel.get());
  EXPECT_EQ(panel->tabRing().size(), 3);

  const emulator::Balance balance = emulator_.balance();
  EXPECT_EQ(balance.stringsHeld, 0);
  EXPECT_EQ(balance.filtersHeld, 0);
  EXPECT_EQ(emulator_.suiteCount("AI Data Filter Suite").acquired,
            emulator_.suiteCount("AI Data Filter Suite").released);
}

TEST_F(PanelShellTest, FlyoutItemSwitchesStatesAndNamesTheOtherOne) {
  const auto panel = MakePanel();
  const host::PanelHandle handle = panel->hostPanel();
  ASSERT_EQ(emulator_.OpenFlyoutMenu(handle), host::kNoError);
  EXPECT_EQ(FlyoutItem(*panel).text, "オプションを表示");

  ASSERT_EQ(emulator_.ChooseFlyoutItem(handle, 1), host::kNoError);
  EXPECT_EQ(Record(*panel).state, 2);
  EXPECT_EQ(Record(*panel).sizes.minimum.height, 425);
  EXPECT_TRUE(IsWindowEnabled(panel->option));
  RECT client{};
  GetClientRect(panel->window(), &client);
  EXPECT_EQ(client.bottom, 425);
  emulator_.OpenFlyoutMenu(handle);
  EXPECT_EQ(FlyoutItem(*panel).text, "オプションを隠す");

  emulator_.ChooseFlyoutItem(handle, 1);
  EXPECT_EQ(Record(*panel).state, 1);
  EXPECT_FALSE(IsWindowEnabled(panel->option));
  emulator_.OpenFlyoutMenu(handle);
  EXPECT_EQ(FlyoutItem(*panel).text, "オプションを表示");
}

TEST_F(PanelShellTest, ToggleHidesAndShowsWithTheMenuCheck) {
  const auto panel = MakePanel();
  HWND frame = frames_->FrameOf(panel->window());
  panel->Toggle();
  EXPECT_FALSE(Record(*panel).shown);
  EXPECT_FALSE(IsWindowVisible(frame));
  EXPECT_FALSE(MenuChecked());
  panel->Toggle();
  EXPECT_TRUE(Record(*panel).shown);
  EXPECT_TRUE(IsWindowVisible(frame));
  EXPECT_TRUE(MenuChecked());
  // The host's close box hides it the same way.
  SendMessageW(frame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(MenuChecked());
}

TEST_F(PanelShellTest, ButtonsAndResultsHaveTheirOwnColours) {
  const auto panel = MakePanel();
  const ColourAnswer button = AskColour(*panel, WM_CTLCOLORBTN, panel->button);
  EXPECT_EQ(button.text, panels::kButtonInk);
  EXPECT_EQ(BrushColour(button.brush), panels::kButtonFace);
  const ColourAnswer result = AskColour(*panel, WM_CTLCOLORSTATIC, panel->result);
  EXPECT_EQ(result.text, panels::kBlack);
  EXPECT_EQ(result.background, panels::kWhite);
  EXPECT_EQ(BrushColour(result.brush), panels::kWhite);
  // One brush per colour, kept.
  EXPECT_EQ(AskColour(*panel, WM_CTLCOLORBTN, panel->bitmapButton).brush, button.brush);
}

struct HostTheme {
  COLORREF background;
  COLORREF ink;
};

class PanelColourTest : public PanelShellTest, public ::testing::WithParamInterface<HostTheme> {
 protected:
  PanelColourTest() : PanelShellTest(GetParam().background) {}
};

TEST_P(PanelColourTest, LabelsFollowTheHostPanelBackground) {
  const auto panel = MakePanel();
  UpdateWindow(GetParent(panel->window()));
  const ColourAnswer label = AskColour(*panel, WM_CTLCOLORSTATIC, panel->label);
  EXPECT_EQ(label.text, GetParam().ink);
  EXPECT_EQ(label.background, GetParam().background);
  EXPECT_EQ(BrushColour(label.brush), GetParam().background);
}

INSTANTIATE_TEST_SUITE_P(
    LightAndDark, PanelColourTest,
    ::testing::Values(HostTheme{emulator::PanelFrames::kLightBackground, panels::kBlack},
                      HostTheme{emulator::PanelFrames::kDarkBackground, panels::kWhite}));

// Draws the control through the panel window into a bitmap and reads one pixel.
COLORREF DrawnPixel(const TestPanel& panel, HWND control, UINT state, POINT at) {
  RECT bounds{};
  GetClientRect(control, &bounds);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, bounds.right, bounds.bottom);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, bounds.right, bounds.bottom, BLACKNESS);
  DRAWITEMSTRUCT item{ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID(control)),
                      0,          ODA_DRAWENTIRE,
                      state,      control,
                      dc,         bounds,
                      0};
  SendMessageW(panel.window(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  const COLORREF pixel = GetPixel(dc, at.x, at.y);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixel;
}

TEST_F(PanelShellTest, OwnerDrawnControlsAreDrawnByRole) {
  const auto panel = MakePanel();
  EXPECT_EQ(DrawnPixel(*panel, panel->button, 0, {3, 3}), panels::kButtonFace);
  EXPECT_EQ(DrawnPixel(*panel, panel->button, 0, {0, 0}), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(DrawnPixel(*panel, panel->button, ODS_SELECTED, {0, 0}), GetSysColor(COLOR_3DSHADOW));
  EXPECT_EQ(DrawnPixel(*panel, panel->bitmapButton, 0, {9, 9}), kBitmapColour);
  UpdateWindow(GetParent(panel->window()));
  EXPECT_EQ(DrawnPixel(*panel, panel->frame, 0, {100, 40}),
            emulator::PanelFrames::kLightBackground);

  // Clicks fall through the group frame to the fields it surrounds.
  EXPECT_EQ(SendMessageW(panel->frame, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  EXPECT_EQ(SendMessageW(panel->frame, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

TEST_F(PanelShellTest, SeparatorsFollowThePanelWidth) {
  const auto panel = MakePanel();
  SetWindowPos(panel->window(), nullptr, 0, 0, 420, 200, SWP_NOMOVE | SWP_NOZORDER);
  RECT bounds{};
  GetWindowRect(panel->separator, &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 410);
  EXPECT_EQ(bounds.bottom - bounds.top, 2);
}

TEST_F(PanelShellTest, AFailingCommandDoesNotLeaveTheWindowProcedure) {
  const auto panel = MakePanel();
  EXPECT_EQ(SendMessageW(panel->window(), WM_COMMAND, MAKEWPARAM(kThrowingCommand, BN_CLICKED),
                         reinterpret_cast<LPARAM>(panel->button)),
            0);
}

TEST_F(PanelShellTest, TearDownLeavesNoWindowsBrushesOrHostObjects) {
  auto panel = MakePanel();
  HWND window = panel->window();
  HWND frame = frames_->FrameOf(window);
  const HBRUSH brushes[] = {AskColour(*panel, WM_CTLCOLORBTN, panel->button).brush,
                            AskColour(*panel, WM_CTLCOLORSTATIC, panel->result).brush,
                            AskColour(*panel, WM_CTLCOLORSTATIC, panel->label).brush};
  for (HBRUSH brush : brushes)
    ASSERT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));

  panel.reset();
  EXPECT_EQ(saved_, 1);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_EQ(frames_->untidyWindows(), 0);  // no property or subclassing was left on it
  for (HBRUSH brush : brushes)
    EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(emulator_.panels().panels.size(), 0);
  EXPECT_EQ(emulator_.panels().flyouts.size(), 0);
  EXPECT_EQ(emulator_.balance().stringsHeld, 0);
}

TEST_F(PanelShellTest, AMissingIconDoesNotStopConstruction) {
  emulator_.AddResource(panels::kPngResource, "PANEL_ICON", {});
  emulator_.FailCall("DataFilter.OpenResource", 1);
  const auto panel = MakePanel();
  EXPECT_EQ(panel->status(), host::kNoError);
  EXPECT_TRUE(Record(*panel).icon.empty());
  EXPECT_EQ(emulator_.balance().filtersHeld, 0);
}

struct FailingStep {
  const char* operation;
  bool settingsLoaded;  // construction got as far as loading them
};

class PanelConstructionFailureTest : public PanelShellTest,
                                     public ::testing::WithParamInterface<FailingStep> {};

// Construction stops at the failing step with its code; tear-down then undoes what was made.
TEST_P(PanelConstructionFailureTest, StopsAtTheFailingStepAndTearsDownWhatWasMade) {
  emulator_.FailCall(GetParam().operation, 1);
  auto panel = MakePanel();
  EXPECT_EQ(panel->status(), emulator::kInjectedError);
  EXPECT_EQ(panel->loaded, GetParam().settingsLoaded ? 1 : 0);
  panel.reset();
  EXPECT_EQ(saved_, GetParam().settingsLoaded ? 1 : 0);  // never saved before they were loaded
  EXPECT_EQ(emulator_.panels().panels.size(), 0);
  EXPECT_EQ(emulator_.panels().flyouts.size(), 0);
  EXPECT_EQ(FindWindowW(L"BarquillHostPanelFrame", nullptr), nullptr);
  EXPECT_EQ(emulator_.balance().stringsHeld, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, PanelConstructionFailureTest,
                         ::testing::Values(FailingStep{"FlyoutMenu.Create", false},
                                           FailingStep{"FlyoutMenu.AppendItem", false},
                                           FailingStep{"Panel.Create", false},
                                           FailingStep{"Panel.SetSizes", false},
                                           FailingStep{"Panel.Show", false},
                                           FailingStep{"Panel.SetFlyoutMenuProc", false},
                                           FailingStep{"Panel.SetStateChangedNotifyProc", false},
                                           FailingStep{"Panel.GetPlatformWindow", false},
                                           FailingStep{"Panel.SetState", true}));

TEST(BmpBitmap, AcceptsOnlyFilesWhoseSizesLieWithinTheirBytes) {
  const std::vector<char> good = BmpFile();
  HBITMAP bitmap = panels::BitmapFromBmpFile(good);
  ASSERT_NE(bitmap, nullptr);
  DeleteObject(bitmap);

  std::vector<char> truncated = good;
  truncated.resize(good.size() - 1);
  EXPECT_EQ(panels::BitmapFromBmpFile(truncated), nullptr);

  std::vector<char> farOffset = good;
  const uint32_t offset = 0xFFFFFF00;
  std::memcpy(&farOffset[10], &offset, sizeof offset);
  EXPECT_EQ(panels::BitmapFromBmpFile(farOffset), nullptr);

  // An image size larger than the bitmap holds is not copied past it.
  std::vector<char> largeImage = good;
  const uint32_t imageSize = 1u << 30;
  std::memcpy(&largeImage[14 + 20], &imageSize, sizeof imageSize);
  bitmap = panels::BitmapFromBmpFile(largeImage);
  EXPECT_NE(bitmap, nullptr);
  DeleteObject(bitmap);

  EXPECT_EQ(panels::BitmapFromBmpFile(std::vector<char>(good.begin(), good.begin() + 20)), nullptr);
}

TEST_F(PanelShellTest, ButtonBitmapsLargerThanTheirBufferAreRefused) {
  std::array<char, 2048> buffer;
  size_t size = 0;
  emulator_.AddResource(panels::kBmpResource, "FULL", Bytes(BmpFile(2048 - BmpFile().size())));
  EXPECT_EQ(panels::ReadPluginResource(plugin(), panels::kBmpResource, "full", 2048, buffer, size),
            host::kNoError);
  EXPECT_EQ(size, 2048u);
  emulator_.AddResource(panels::kBmpResource, "LARGE", Bytes(BmpFile(2049 - BmpFile().size())));
  EXPECT_EQ(panels::ReadPluginResource(plugin(), panels::kBmpResource, "large", 2048, buffer, size),
            panels::kResourceTooLarge);
  EXPECT_EQ(emulator_.balance().filtersHeld, 0);

  // The button then shows nothing, and the panel works.
  emulator_.AddResource(panels::kBmpResource, "BMPCLEAR", Bytes(BmpFile(4000)));
  const auto panel = MakePanel();
  EXPECT_EQ(panel->status(), host::kNoError);
  EXPECT_EQ(DrawnPixel(*panel, panel->bitmapButton, 0, {9, 9}), RGB(0, 0, 0));
}

// The ring over plain edit fields in a window of their own.
class TabRingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    ring_.Clear();
    DestroyWindow(window_);
  }

  HWND AddField() {
    HWND field = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0,
                                 static_cast<int>(fields_.size()) * 4, 50, 20, window_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    fields_.push_back(field);
    return field;
  }
  void Ring(int count) {
    for (int i = 0; i < count; ++i)
      ASSERT_TRUE(ring_.Add(AddField()));
  }
  // Presses Tab (with Shift held when backward) in the focused field.
  HWND PressTab(HWND in, bool backward = false) {
    SetFocus(in);
    INPUT shift{};
    shift.type = INPUT_KEYBOARD;
    shift.ki.wVk = VK_SHIFT;
    if (backward)
      SendInput(1, &shift, sizeof shift);
    SendMessageW(in, WM_KEYDOWN, VK_TAB, 0);
    shift.ki.dwFlags = KEYEVENTF_KEYUP;
    if (backward)
      SendInput(1, &shift, sizeof shift);
    emulator::PumpMessages();
    return GetFocus();
  }

  HWND window_ = nullptr;
  std::vector<HWND> fields_;
  panels::TabRing ring_;
};

TEST_F(TabRingTest, TabAndShiftTabWrapAroundAndSelectTheText) {
  Ring(4);
  SetWindowTextW(fields_[0], L"1234");
  EXPECT_EQ(PressTab(fields_[3]), fields_[0]);
  DWORD start = 1;
  DWORD end = 0;
  SendMessageW(fields_[0], EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 4u);
  EXPECT_EQ(PressTab(fields_[0], true), fields_[3]);
  EXPECT_EQ(PressTab(fields_[1]), fields_[2]);
  EXPECT_EQ(PressTab(fields_[2], true), fields_[1]);
}

TEST_F(TabRingTest, SkipsFieldsThatCannotTakeTheFocus) {
  Ring(4);
  EnableWindow(fields_[1], FALSE);
  ShowWindow(fields_[2], SW_HIDE);
  EXPECT_EQ(PressTab(fields_[0]), fields_[3]);
  EXPECT_EQ(PressTab(fields_[3], true), fields_[0]);
  EnableWindow(fields_[3], FALSE);
  EXPECT_EQ(PressTab(fields_[0]), fields_[0]);
  EXPECT_EQ(PressTab(fields_[0], true), fields_[0]);
}

TEST_F(TabRingTest, RefusesTheSixtyFifthFieldAndGivesProceduresBack) {
  std::vector<LONG_PTR> procedures;
  for (int i = 0; i < panels::TabRing::kCapacity + 1; ++i)
    procedures.push_back(GetWindowLongPtrW(AddField(), GWLP_WNDPROC));
  for (int i = 0; i < panels::TabRing::kCapacity; ++i)
    ASSERT_TRUE(ring_.Add(fields_[i]));
  HWND last = fields_.back();
  EXPECT_FALSE(ring_.Add(last));
  EXPECT_EQ(ring_.size(), panels::TabRing::kCapacity);
  EXPECT_EQ(GetWindowLongPtrW(last, GWLP_WNDPROC), procedures.back());
  EXPECT_EQ(PressTab(fields_[panels::TabRing::kCapacity - 1]), fields_[0]);

  ring_.Clear();
  EXPECT_EQ(ring_.size(), 0);
  for (size_t i = 0; i < fields_.size(); ++i) {
    EXPECT_EQ(GetWindowLongPtrW(fields_[i], GWLP_WNDPROC), procedures[i]);
    EXPECT_EQ(GetPropW(fields_[i], L"BarquillTabRing"), nullptr);
  }
}

}  // namespace
