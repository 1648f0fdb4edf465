#include "tests/win32/expanded_panel_fixture.h"

#include "emulator/win32/script_runner.h"
#include "tests/win32/win32_test_support.h"

namespace expanded_test {

namespace {

constexpr char kPanelId[] = "GS1DataBar Expanded";
constexpr int kOrderListId = 103;
constexpr int kFreeAiId = 104;

}  // namespace

void ExpandedPanelTest::SetUp() {
  RegDeleteTreeW(HKEY_CURRENT_USER, win32_test::Wide(kSettingsKey).c_str());
  Restart();
}

void ExpandedPanelTest::Restart(const std::function<void()>& whileClosed) {
  if (session_ != nullptr) {
    ASSERT_EQ(session_->Shutdown(), "");
    session_.reset();
  }
  if (whileClosed)
    whileClosed();
  session_ = std::make_unique<emulator::HostSession>(
      emulator::HostOptions{emulator::PluginBesideProgram()});
  ASSERT_EQ(session_->Start(), "");
  panel_ = session_->PanelWindow(kPanelId);
  ASSERT_NE(panel_, nullptr);
}

HWND ExpandedPanelTest::Control(int id) const {
  HWND first = nullptr;
  for (HWND child = GetWindow(panel_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id && IsWindowVisible(child))
      return child;
    if (GetDlgCtrlID(child) == id && first == nullptr)
      first = child;
  }
  return first;
}

// The field, "≧", then the minimum.
HWND ExpandedPanelTest::MinimumOf(int id) const {
  return GetWindow(GetWindow(Control(id), GW_HWNDNEXT), GW_HWNDNEXT);
}

// Each order list is followed by its row's free AI field or fixed AI label, then the data field.
EntryRow ExpandedPanelTest::Row(int row) const {
  int found = -1;
  for (HWND child = GetWindow(panel_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) != kOrderListId || ++found != row)
      continue;
    const HWND next = GetWindow(child, GW_HWNDNEXT);
    const HWND ai = GetDlgCtrlID(next) == kFreeAiId ? next : nullptr;
    return {child, ai, GetWindow(next, GW_HWNDNEXT)};
  }
  return {};
}

std::string ExpandedPanelTest::Text(int id) const {
  return win32_test::TextOf(Control(id));
}

bool ExpandedPanelTest::Checked(int id) const {
  return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ExpandedPanelTest::Type(int id, std::string_view text) {
  win32_test::Type(Control(id), text);
}

Alerts ExpandedPanelTest::Click(int id) {
  return win32_test::ClickForAlerts(*session_, Control(id));
}

void ExpandedPanelTest::SetState(int16_t state) {
  ASSERT_EQ(session_->emulator().SetPanelState(session_->Panel(kPanelId), state), host::kNoError);
}

const emulator::PanelRecord& ExpandedPanelTest::HostPanel() const {
  return *session_->emulator().panels().panels.Find(session_->Panel(kPanelId));
}

int ExpandedPanelTest::Symbols() {
  return static_cast<int>(win32_test::SymbolCount(*session_));
}

}  // namespace expanded_test
