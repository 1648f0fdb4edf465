// The plug-in object: its menus, notifiers and the lifetime of its three panels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/plugin.h"
#include "tests/frame/stub_panels.h"
#include "tests/frame/test_host.h"

namespace frame_test {
namespace {

class VeltraPluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Panels() = PanelLog{};
    ASSERT_EQ(host_.Startup(), host::kNoError);
    panelMenuItems_ = Panels().menuItems;
    Panels().events.clear();
  }

  TestHost host_;
  std::vector<host::MenuItemHandle> panelMenuItems_;
};

TEST_F(VeltraPluginTest, AddsItsSubmenuToTheWindowMenu) {
  std::vector<std::pair<std::string, std::string>> items;
  for (const RecordedMenuItem& item : host_.menuItems)
    items.emplace_back(item.group, item.text);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Window Utilities", "Barquill"},
      {"BarquillGroup", "医療用GS1-128"},
      {"BarquillGroup", "GS1DataBar"},
      {"BarquillGroup", "GS1DataBar Expanded"},
  };
  EXPECT_EQ(items, expected);
  EXPECT_EQ(host_.submenuGroups, std::vector<std::string>{"BarquillGroup"});
  // Each panel checks and unchecks its own item.
  EXPECT_EQ(panelMenuItems_, (std::vector<host::MenuItemHandle>{
                                 host_.MenuItem("医療用GS1-128"), host_.MenuItem("GS1DataBar"),
                                 host_.MenuItem("GS1DataBar Expanded")}));
  EXPECT_EQ(host_.notifierTypes,
            (std::vector<std::string>{frame::kAppStartedNotifier, frame::kAppShutdownNotifier}));
  EXPECT_EQ(host_.holds, 1);
  EXPECT_EQ(host_.emulator().balance().stringsHeld, 0);
}

TEST_F(VeltraPluginTest, MenuItemTogglesItsOwnPanel) {
  for (const char* text : {"GS1DataBar Expanded", "医療用GS1-128", "GS1DataBar"}) {
    EXPECT_EQ(host_.ChooseMenuItem(host_.MenuItem(text)), host::kNoError);
  }
  // The submenu's own item and a handle the plug-in never made toggle nothing.
  EXPECT_EQ(host_.ChooseMenuItem(host_.MenuItem("Barquill")), host::kNoError);
  EXPECT_EQ(host_.ChooseMenuItem(nullptr), host::kNoError);
  EXPECT_EQ(Panels().events,
            (std::vector<std::string>{"toggle Expanded", "toggle GS1-128", "toggle DataBar"}));
}

TEST_F(VeltraPluginTest, ShutdownNotificationThenShutdownDestroysEachPanelOnce) {
  EXPECT_EQ(host_.Notify(frame::kAppStartedNotifier), host::kNoError);
  EXPECT_EQ(host_.Notify("Some Other Notifier"), host::kNoError);
  EXPECT_TRUE(Panels().events.empty());

  EXPECT_EQ(host_.Notify(frame::kAppShutdownNotifier), host::kNoError);
  EXPECT_EQ(Panels().events,
            (std::vector<std::string>{"destroy GS1-128", "destroy DataBar", "destroy Expanded"}));
  EXPECT_EQ(host_.ChooseMenuItem(host_.MenuItem("GS1DataBar")), host::kNoError);
  EXPECT_EQ(host_.Shutdown(), host::kNoError);
  EXPECT_EQ(Panels().events.size(), 3u);

  EXPECT_EQ(host_.globals(), nullptr);
  EXPECT_TRUE(host_.emulator().balance().balanced());
  EXPECT_EQ(host_.holds, 0);
}

}  // namespace
}  // namespace frame_test
