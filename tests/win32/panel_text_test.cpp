// Every text the panels and the host show, checked in the font actually selected for it: a
// character that font has no glyph for is drawn as its missing-glyph box. Under Wine the font a
// control gets depends on the prefix's font mapping and on every font the machine has, so this
// catches panels that read well on one machine and show rows of boxes on another. Each view is
// also left as a PNG screenshot in the build folder's screenshots/ directory, for anyone to look
// at without running Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/win32/host_session.h"
#include "emulator/win32/screen_capture.h"
#include "emulator/win32/script_runner.h"
#include "panels/messages.h"
#include "tests/win32/win32_test_support.h"

namespace {

using win32_test::Utf8;
using win32_test::Wide;

constexpr char kDataBar[] = "GS1DataBar";
constexpr char kExpanded[] = "GS1DataBar Expanded";
constexpr char kMedical128[] = "Medical128";

// What a user can type into a field: the printable ASCII characters.
std::wstring Typeable() {
  std::wstring text;
  for (wchar_t c = L' '; c <= L'~'; ++c)
    text += c;
  return text;
}

std::wstring WindowText(HWND window) {
  wchar_t text[1024] = {};
  return std::wstring(text, GetWindowTextW(window, text, 1024));
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  return std::wstring(name, GetClassNameW(window, name, 64));
}

HFONT FontOf(HWND window) {
  return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

// Checks texts in the fonts they are drawn with and collects those that would show boxes.
class GlyphCheck {
 public:
  // The text as the window draws it in the font: selected into the window's device context, the
  // font the system realised for it tells which characters it has glyphs for.
  void Check(const std::string& where, HWND window, HFONT font, std::wstring_view text) {
    if (text.empty())
      return;
    ++checked_;
    if (font == nullptr) {
      faults_.push_back(where + ": no font set");
      return;
    }
    HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    std::vector<WORD> glyphs(text.size());
    const DWORD converted = GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()),
                                             glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    std::wstring missing;
    for (size_t i = 0; i < text.size(); ++i) {
      // Line breaks are not drawn.
      if (converted == GDI_ERROR || (glyphs[i] == 0xFFFF && text[i] >= L' '))
        missing += text[i];
    }
    if (!missing.empty()) {
      faults_.push_back(where + ": \"" + Utf8(text) + "\" in " + Utf8(face) +
                        " has no glyph for \"" + Utf8(missing) + "\"");
    }
  }

  void Check(const std::string& where, HWND window, const LOGFONTW& description,
             std::wstring_view text) {
    HFONT font = CreateFontIndirectW(&description);
    Check(where, window, font, text);
    DeleteObject(font);
  }

  // Every shown control of the panel window: its text, a list's entries, and what can be typed
  // into a field, in the control's font.
  void CheckControls(const std::string& view, HWND panel) {
    for (HWND control = GetWindow(panel, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
      if (!IsWindowVisible(control))
        continue;
      const std::wstring kind = ClassOf(control);
      const std::string where =
          view + " " + Utf8(kind) + " " + std::to_string(GetDlgCtrlID(control));
      const HFONT font = FontOf(control);
      Check(where, control, font, WindowText(control));
      if (_wcsicmp(kind.c_str(), L"Edit") == 0 || win32_test::EditPartOf(control) != control) {
        Check(where + " typed", control, font, Typeable());
      }
      if (_wcsicmp(kind.c_str(), L"ComboBox") == 0)
        CheckListEntries(where, control, font);
    }
  }

  // The caption of a top-level window in the system's caption font.
  void CheckCaption(const std::string& where, HWND window) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    const bool tool = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    Check(where + " caption", window, tool ? metrics.lfSmCaptionFont : metrics.lfCaptionFont,
          WindowText(window));
  }

  // Every item of the menu and its submenus in the system's menu font.
  void CheckMenu(const std::string& where, HWND window, HMENU menu) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (int item = 0; item < GetMenuItemCount(menu); ++item) {
      wchar_t text[256] = {};
      const int length = GetMenuStringW(menu, item, text, 256, MF_BYPOSITION);
      Check(where + " menu", window, metrics.lfMenuFont, std::wstring_view(text, length));
      if (HMENU submenu = GetSubMenu(menu, item))
        CheckMenu(where, window, submenu);
    }
  }

  // Some texts were checked, and all of them have their glyphs.
  void Expect(int atLeast) const {
    EXPECT_GE(checked_, atLeast);
    std::string all;
    for (const std::string& fault : faults_)
      all += "\n  " + fault;
    EXPECT_TRUE(faults_.empty()) << faults_.size() << " texts would show boxes:" << all;
  }

 private:
  void CheckListEntries(const std::string& where, HWND list, HFONT font) {
    const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int entry = 0; entry < count; ++entry) {
      std::wstring text(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, entry, 0)), L'\0');
      SendMessageW(list, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(text.data()));
      Check(where + " entry " + std::to_string(entry), list, font, text);
    }
  }

  int checked_ = 0;
  std::vector<std::string> faults_;
};

std::wstring ScreenshotPath(const char* name) {
  const std::wstring folder = Wide(BARQUILL_SCREENSHOTS);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"/" + Wide(name) + L".png";
}

// The window as the screen shows it, its frame included, on top of the others.
void Screenshot(HWND window, const char* name) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  emulator::PumpMessages(300);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  EXPECT_TRUE(emulator::CaptureScreen(bounds, ScreenshotPath(name))) << name;
}

class PanelTexts : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(session_.Start(), ""); }

  HWND Panel(const char* id) const { return session_.PanelWindow(id); }
  HWND Frame(const char* id) const { return GetAncestor(Panel(id), GA_ROOT); }
  HWND Control(const char* id, int control) const { return GetDlgItem(Panel(id), control); }
  void ShowOptions(const char* id, bool shown) {
    ASSERT_EQ(session_.emulator().SetPanelState(session_.Panel(id), shown ? 2 : 1), host::kNoError);
    emulator::PumpMessages();
  }

  // The panel's controls and its caption, then its screenshot.
  void CheckView(const char* id, const char* view) {
    check_.CheckControls(view, Panel(id));
    check_.CheckCaption(view, Frame(id));
    Screenshot(Frame(id), view);
  }

  emulator::HostSession session_{{emulator::PluginBesideProgram()}};
  GlyphCheck check_;
};

// A valid item number shows its check digit; the five types fill the list.
TEST_F(PanelTexts, DataBarPanelInBothStates) {
  win32_test::Type(Control(kDataBar, 3), "2001234567890");
  CheckView(kDataBar, "databar-compact");
  ShowOptions(kDataBar, true);
  CheckView(kDataBar, "databar-options");
  check_.Expect(40);
}

TEST_F(PanelTexts, ExpandedPanelInBothStatesAndItsAiEntryView) {
  win32_test::Type(Control(kExpanded, 3), "(01)12345678901231(17)011231");
  CheckView(kExpanded, "expanded-compact");
  ShowOptions(kExpanded, true);
  CheckView(kExpanded, "expanded-options");
  win32_test::Click(Control(kExpanded, 29));
  CheckView(kExpanded, "expanded-ai-entry");
  check_.Expect(60);
}

TEST_F(PanelTexts, Medical128Panel) {
  win32_test::Type(Control(kMedical128, 5), "1234567890123");
  CheckView(kMedical128, "medical128");
  check_.Expect(15);
}

TEST_F(PanelTexts, HostWindowCaptionAndMenus) {
  HWND host = session_.window().handle();
  check_.CheckCaption("host", host);
  check_.CheckMenu("host", host, GetMenu(host));
  check_.Expect(5);
}

// The first shown message box of this thread, or null.
BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || ClassOf(window) != L"#32770")
    return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The alert as the host shows it: read while its message box waits for the user, then closed.
// Every message the panels have is checked in the message box's font.
class AlertTexts : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(session_.Start(), ""); }

  // Shows the alerts the click raised in the host's message boxes, reading the first one.
  void ShowAlertOf(HWND button) {
    win32_test::Click(button);
    current_ = this;
    ticks_ = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, &AlertTexts::OnTimer);
    session_.window().Refresh();
    KillTimer(nullptr, timer);
  }

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindMessageBox, reinterpret_cast<LPARAM>(&box));
    // A few ticks after it appeared, the box has been drawn.
    if (box == nullptr || ++ticks_ != 3)
      return;
    current_->ReadAlert(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }

  void ReadAlert(HWND box) {
    check_.CheckCaption("alert", box);
    for (HWND control = GetWindow(box, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
      const std::wstring text = WindowText(control);
      check_.Check("alert " + Utf8(ClassOf(control)), control, FontOf(control), text);
      if (ClassOf(control) == L"Static" && !text.empty())
        alertRead_ = GetObjectW(FontOf(control), sizeof messageFont_, &messageFont_) != 0;
    }
    Screenshot(box, "alert");
  }

  emulator::HostSession session_{{emulator::PluginBesideProgram(), /*interactive=*/true}};
  GlyphCheck check_;
  bool alertRead_ = false;
  LOGFONTW messageFont_{};
  static inline AlertTexts* current_ = nullptr;
  static inline int ticks_ = 0;
};

TEST_F(AlertTexts, EveryMessageInTheAlertsFont) {
  // The GS1-128 panel's create button with no product code.
  ShowAlertOf(GetDlgItem(session_.PanelWindow(kMedical128), 1));
  ASSERT_TRUE(alertRead_) << "no message box showed the alert";
  for (const panels::Message* message : panels::kAllMessages)
    check_.Check("message", session_.window().handle(), messageFont_, Wide(message->japanese));
  check_.Expect(static_cast<int>(std::size(panels::kAllMessages)));
}

}  // namespace
