// The GS1 DataBar Expanded panel of Barquill.aip loaded into the host, for the tests of its main
// view, its AI entry view and its stored settings. Every test starts without stored settings.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/win32/host_session.h"
#include "tests/win32/win32_test_support.h"

namespace expanded_test {

inline constexpr char kSettingsKey[] = "SOFTWARE\\Vantrel\\ZIRURIRO2";

enum Id {
  kCreate = 1,
  kCode = 3,
  kCompositeText = 4,
  kCheckDigit = 6,
  kHeight = 10,
  kModuleWidth = 11,
  kClear = 13,
  kDefaults = 14,
  kMinimums = 15,
  kInsertFnc1 = 16,
  kSeparatorHeight = 19,
  kCompositeRowHeight = 20,
  kStackedSeparatorHeight = 21,
  kShowText = 24,
  kShowCompositeText = 28,
  kOpenAiEntry = 29,
  kSegments = 30,
  kBarWidthReduction = 31,
  kAccept = 101,
  kCancel = 102,
};

// One row of the AI entry view: its order list, AI field (free rows only) and data field.
struct EntryRow {
  HWND order = nullptr;
  HWND ai = nullptr;
  HWND data = nullptr;
};

using Alerts = std::vector<std::string>;

using win32_test::Describe;

class ExpandedPanelTest : public ::testing::Test {
 public:
  void SetUp() override;
  // Shuts the host down and starts it again; in between, with no panel to read or write them,
  // the stored settings can be changed.
  void Restart(const std::function<void()>& whileClosed = {});

  // The shown control with the identifier (the two views share a few), else the first one.
  HWND Control(int id) const;
  // The static showing the minimum of a length field.
  HWND MinimumOf(int id) const;
  EntryRow Row(int row) const;  // 0 to 7
  std::string Text(int id) const;
  bool Checked(int id) const;
  void Type(int id, std::string_view text);
  // Clicks the button; the alerts that raised.
  Alerts Click(int id);
  // Switches the host panel's state as its flyout item does.
  void SetState(int16_t state);
  const emulator::PanelRecord& HostPanel() const;
  int Symbols();

 protected:
  std::unique_ptr<emulator::HostSession> session_;
  HWND panel_ = nullptr;
};

}  // namespace expanded_test
