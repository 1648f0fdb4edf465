// Barquill.aip loaded as the host loads it and driven through its PluginMain from start-up to
// shut-down, against the emulator with real panel windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "emulator/win32/panel_frames.h"
#include "tests/frame/test_host.h"

namespace {

using frame_test::TestHost;

// The panels' controls need real windows to live in.
void GivePanelsWindows(TestHost& host) {
  host.emulator().SetPanelWindows(std::make_unique<emulator::PanelFrames>(
      host.emulator(), nullptr, emulator::PanelFrames::kLightBackground));
}

class PluginLifecycle : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t path[MAX_PATH] = {};
    std::wstring file(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    file = file.substr(0, file.find_last_of(L"\\/") + 1) + L"Barquill.aip";
    module_ = LoadLibraryW(file.c_str());
    ASSERT_NE(module_, nullptr) << "LoadLibrary: " << GetLastError();
    entry_ = reinterpret_cast<frame_test::PluginEntry>(
        reinterpret_cast<void*>(GetProcAddress(module_, "PluginMain")));
    ASSERT_NE(entry_, nullptr);
  }
  void TearDown() override {
    if (module_ != nullptr)
      FreeLibrary(module_);
  }

  HMODULE module_ = nullptr;
  frame_test::PluginEntry entry_ = nullptr;
};

TEST_F(PluginLifecycle, StartsUpWithItsMenusAndShutsDownBalanced) {
  TestHost host(entry_);
  GivePanelsWindows(host);
  ASSERT_EQ(host.Startup(), host::kNoError);
  std::vector<std::string> texts;
  for (const frame_test::RecordedMenuItem& item : host.menuItems)
    texts.push_back(item.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Barquill", "医療用GS1-128", "GS1DataBar",
                                             "GS1DataBar Expanded"}));
  EXPECT_EQ(host.holds, 1);

  for (const frame_test::RecordedMenuItem& item : host.menuItems) {
    EXPECT_EQ(host.ChooseMenuItem(item.handle), host::kNoError);
  }
  EXPECT_EQ(host.Send("SP Access", "Unload"), host::kNoError);
  EXPECT_EQ(host.Send("SP Access", "Reload"), host::kNoError);
  EXPECT_EQ(host.Notify("AI Application Shutdown Notifier"), host::kNoError);
  EXPECT_EQ(host.Shutdown(), host::kNoError);

  EXPECT_EQ(host.globals(), nullptr);
  EXPECT_TRUE(host.emulator().balance().balanced());
  EXPECT_EQ(host.holds, 0);
}

TEST_F(PluginLifecycle, FailedStartupLeavesNothingBehind) {
  TestHost host(entry_);
  GivePanelsWindows(host);
  host.emulator().FailCall("UnicodeString.NewFromUtf16", 2);
  EXPECT_EQ(host.Startup(), emulator::kInjectedError);
  EXPECT_EQ(host.globals(), nullptr);
  EXPECT_TRUE(host.emulator().balance().balanced());
  EXPECT_EQ(host.holds, 0);
}

}  // namespace
