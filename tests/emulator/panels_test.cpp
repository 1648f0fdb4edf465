#include <gtest/gtest.h>

#include "emulator/errors.h"
#include "host/unicode_string.h"
#include "tests/emulator/emulator_fixture.h"

namespace emulator {
namespace {

// What the plug-in's callbacks saw, for the panel under test.
struct Seen {
  std::vector<int16_t> states;
  std::vector<bool> visibility;
  std::vector<uint32_t> commands;
  int flyoutOpenings = 0;
};
thread_local Seen* tSeen = nullptr;

class Panels : public EmulatorTest {
 protected:
  Panels() { tSeen = &seen_; }
  ~Panels() override { tSeen = nullptr; }

  host::PanelHandle CreatePanel(host::FlyoutMenuHandle flyout) {
    ai::UnicodeString name("GS1DataBar");
    host::PanelHandle panel = nullptr;
    EXPECT_EQ(host::sPanel->Create(nullptr, name.handle(), name.handle(), 2, {300, 154}, false,
                                   flyout, this, &panel),
              host::kNoError);
    host::sPanel->SetStateChangedNotifyProc(
        panel, [](host::PanelHandle, int16_t state) { tSeen->states.push_back(state); });
    host::sPanel->SetVisibilityChangedNotifyProc(
        panel, [](host::PanelHandle, bool visible) { tSeen->visibility.push_back(visible); });
    host::sPanel->SetFlyoutMenuProc(
        panel, [](host::PanelHandle, uint32_t item) { tSeen->commands.push_back(item); });
    host::sPanel->SetFlyoutMenuPreVisibilityProc(
        panel, [](host::PanelHandle) { ++tSeen->flyoutOpenings; });
    return panel;
  }

  Seen seen_;
};

TEST_F(Panels, HostDeliversStateVisibilityAndFlyoutToTheCallbacks) {
  host::FlyoutMenuHandle flyout = nullptr;
  ASSERT_EQ(host::sFlyoutMenu->Create(&flyout), host::kNoError);
  ASSERT_EQ(
      host::sFlyoutMenu->AppendItem(flyout, 1, ai::UnicodeString("オプションを表示").handle()),
      host::kNoError);
  const host::PanelHandle panel = CreatePanel(flyout);

  const PanelRecord& record = *emulator_.panels().panels.records().front();
  EXPECT_EQ(record.id, "GS1DataBar");
  EXPECT_EQ(record.window, nullptr);
  EXPECT_EQ(record.sizes.maximum.height, 154);

  EXPECT_EQ(host::sPanel->Show(panel, true), host::kNoError);
  EXPECT_EQ(host::sPanel->Show(panel, true), host::kNoError);  // no change, no callback
  EXPECT_EQ(emulator_.SetPanelShown(panel, false), host::kNoError);
  EXPECT_EQ(seen_.visibility, (std::vector<bool>{true, false}));

  EXPECT_EQ(host::sPanel->SetState(panel, 2), host::kNoError);
  EXPECT_EQ(host::sPanel->SetState(panel, 3), kBadParameter);
  EXPECT_EQ(emulator_.SetPanelState(panel, 1), host::kNoError);
  EXPECT_EQ(seen_.states, (std::vector<int16_t>{2, 1}));

  EXPECT_EQ(emulator_.OpenFlyoutMenu(panel), host::kNoError);
  EXPECT_EQ(emulator_.ChooseFlyoutItem(panel, 1), host::kNoError);
  EXPECT_EQ(emulator_.ChooseFlyoutItem(panel, 2), kNotFound);
  EXPECT_EQ(seen_.flyoutOpenings, 1);
  EXPECT_EQ(seen_.commands, std::vector<uint32_t>{1});

  ASSERT_EQ(
      host::sFlyoutMenu->SetItemText(flyout, 1, ai::UnicodeString("オプションを隠す").handle()),
      host::kNoError);
  EXPECT_EQ(emulator_.panels().flyouts.records().front()->items.front().text, "オプションを隠す");

  void* userData = nullptr;
  EXPECT_EQ(host::sPanel->GetUserData(panel, &userData), host::kNoError);
  EXPECT_EQ(userData, this);
  EXPECT_EQ(host::sPanel->Destroy(panel), host::kNoError);
  EXPECT_EQ(host::sPanel->Show(panel, true), kBadHandle);
  EXPECT_EQ(host::sFlyoutMenu->Destroy(flyout), host::kNoError);
  EXPECT_EQ(emulator_.balance().stringsHeld, 0);
}

TEST_F(Panels, InstalledWindowFactoryGivesPanelsWindows) {
  struct CountingWindows : PanelWindows {
    int* live;
    explicit CountingWindows(int* count) : live(count) {}
    host::PlatformWindow Create(const PanelRecord&) override {
      ++*live;
      return this;
    }
    void Destroy(host::PlatformWindow) override { --*live; }
  };
  int live = 0;
  emulator_.SetPanelWindows(std::make_unique<CountingWindows>(&live));
  const host::PanelHandle panel = CreatePanel(nullptr);
  host::PlatformWindow window = nullptr;
  EXPECT_EQ(host::sPanel->GetPlatformWindow(panel, &window), host::kNoError);
  EXPECT_NE(window, nullptr);
  EXPECT_EQ(live, 1);
  EXPECT_EQ(host::sPanel->Destroy(panel), host::kNoError);
  EXPECT_EQ(live, 0);
}

TEST_F(Panels, ExceptionsFromCallbacksAreCaughtAndCounted) {
  const host::PanelHandle panel = CreatePanel(nullptr);
  host::sPanel->SetStateChangedNotifyProc(panel, [](host::PanelHandle, int16_t) { throw 1; });
  EXPECT_EQ(host::sPanel->SetState(panel, 2), host::kNoError);
  EXPECT_EQ(emulator_.panels().escapedExceptions(), 1);
  host::sPanel->Destroy(panel);
}

TEST_F(Panels, MenuItemsGoIntoKnownGroupsOnly) {
  host::MenuItemHandle item = nullptr;
  ai::UnicodeString barquill("Barquill");
  host::MenuItemData data{"Window Utilities", barquill.handle()};
  ASSERT_EQ(host::sMenu->AddMenuItem(nullptr, nullptr, &data, 0, &item), host::kNoError);
  host::MenuItemData early{"BarquillGroup", barquill.handle()};
  host::MenuItemHandle child = nullptr;
  EXPECT_EQ(host::sMenu->AddMenuItem(nullptr, nullptr, &early, 0, &child), kNotFound);
  host::MenuGroupHandle group = nullptr;
  ASSERT_EQ(host::sMenu->AddMenuGroupAsSubMenu("BarquillGroup", 0, item, &group), host::kNoError);
  ai::UnicodeString medical("医療用GS1-128");
  host::MenuItemData inGroup{"BarquillGroup", medical.handle()};
  ASSERT_EQ(host::sMenu->AddMenuItem(nullptr, nullptr, &inGroup, 0, &child), host::kNoError);
  EXPECT_EQ(host::sMenu->CheckItem(child, true), host::kNoError);

  const MenuItemRecord* record = emulator_.menus().FindItem("医療用GS1-128");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->groupName, "BarquillGroup");
  EXPECT_TRUE(record->checked);
}

}  // namespace
}  // namespace emulator
