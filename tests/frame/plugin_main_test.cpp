// The frame as the host drives it through PluginMain: routing, results, exceptions and the
// plug-in's lifecycle from start-up to shut-down.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "frame/plugin.h"
#include "frame/plugin_main.h"
#include "host/ai_error.h"
#include "tests/frame/stub_panels.h"
#include "tests/frame/test_host.h"

namespace frame_test {
namespace {

using host::FourCharCode;

class PluginMainTest : public ::testing::Test {
 protected:
  void SetUp() override { Panels() = PanelLog{}; }
  void TearDown() override { UsePluginForDispatch(nullptr); }

  void ExpectBalanced() {
    const emulator::Balance balance = host_.emulator().balance();
    EXPECT_EQ(balance.suitesHeld, 0);
    EXPECT_EQ(balance.contextsHeld, 0);
    EXPECT_EQ(balance.stringsHeld, 0);
    EXPECT_EQ(host_.holds, 0);
  }

  TestHost host_;
};

// A plug-in whose handlers fail in the ways a host call or the C++ runtime can.
class FailingPlugin : public frame::Plugin {
 public:
  using Plugin::Plugin;
  host::ErrorCode OnTimerGo(host::MessageData*) override { return FourCharCode("FAIL"); }
  host::ErrorCode OnClipboardGo(host::MessageData*) override {
    throw ai::Error(FourCharCode("AIER"));
  }
  host::ErrorCode OnToolMouseUp(host::MessageData*) override {
    throw std::runtime_error("not a host error");
  }
  host::ErrorCode OnNotify(host::NotifierMessage*) override {
    throw ai::Error(FourCharCode("NTFY"));
  }
  bool OnPurge() override { return true; }
};

frame::Plugin* MakeFailingPlugin(host::PluginHandle self) {
  return new FailingPlugin(self);
}

TEST_F(PluginMainTest, MessagesNobodyHandlesAnswerZero) {
  ASSERT_EQ(host_.Startup(), host::kNoError);
  const std::vector<std::pair<const char*, const char*>> unhandled = {
      {"SP Interface", "About"},    {"SP Interface", "Frobnicate"}, {"No Such Caller", "AI Go"},
      {"AI Menu", "AI Frobnicate"}, {"AI Tool", "AI Mouse Down"},   {"SP Properties", "Acquire"},
      {"SP Access", "Frobnicate"},  {"SP Cache", "Plug-in Purge"},  {"ai menu", "AI Go"},
      {"AI Menu", "AI Update"},
  };
  for (const auto& [caller, selector] : unhandled) {
    EXPECT_EQ(host_.Send(caller, selector), host::kNoError) << caller << " / " << selector;
  }
  EXPECT_EQ(host_.Notify("Some Other Notifier"), host::kNoError);
  EXPECT_EQ(PluginMain(nullptr, "AI Go", nullptr), host::kNoError);
  EXPECT_TRUE(Panels().events ==
              (std::vector<std::string>{"make GS1-128", "make DataBar", "make Expanded"}));
  EXPECT_EQ(host_.emulator().balance().contextsHeld, 0);
}

TEST_F(PluginMainTest, HandlerFailuresReachTheHostAsTheirCodes) {
  UsePluginForDispatch(MakeFailingPlugin);
  ASSERT_EQ(host_.Startup(), host::kNoError);
  const auto* plugin = static_cast<const frame::Plugin*>(host_.globals());

  EXPECT_EQ(host_.Send("AI Timer", "AI Go"), FourCharCode("FAIL"));
  EXPECT_EQ(plugin->errorReport().lastError(), FourCharCode("FAIL"));
  EXPECT_EQ(host_.Send("AI Clipboard", "AI Go"), FourCharCode("AIER"));
  EXPECT_EQ(host_.Send("AI Tool", "AI Mouse Up"), frame::kUnexpectedError);
  EXPECT_EQ(host_.Notify("Some Other Notifier"), FourCharCode("NTFY"));
  EXPECT_EQ(host_.emulator().balance().contextsHeld, 0) << "context popped despite exception";

  // The purge answer is not an error to report.
  EXPECT_EQ(host_.Send("SP Cache", "Plug-in Purge"), host::kPurgedMemory);
  EXPECT_EQ(plugin->errorReport().lastError(), FourCharCode("NTFY"));

  // Without an application context no notification is handled.
  host_.emulator().FailCall("Context.PushAppContext", 0);
  EXPECT_EQ(host_.Notify("Some Other Notifier"), emulator::kInjectedError);
  host_.emulator().ClearFailures();

  EXPECT_EQ(host_.Shutdown(), host::kNoError);
  ExpectBalanced();
}

TEST_F(PluginMainTest, NameIsCopiedCutToTheBuffer) {
  ASSERT_EQ(host_.Startup(), host::kNoError);
  const auto* plugin = static_cast<const frame::Plugin*>(host_.globals());
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(plugin->CopyName(buffer, sizeof buffer), 8u);
  EXPECT_STREQ(buffer, "Bar");
  EXPECT_EQ(host_.notifierNames.at(0), "Barquill App Started Notifier");
}

TEST_F(PluginMainTest, RefusedSuiteFailsStartupAndReleasesTheOthers) {
  for (const char* suite : {"SP Access Suite", "AI Menu Suite", "ATE Font Suite"}) {
    SCOPED_TRACE(suite);
    TestHost host;
    host.RefuseSuite(suite, FourCharCode("NOPE"));
    EXPECT_EQ(host.Startup(), FourCharCode("NOPE"));
    EXPECT_EQ(host.globals(), nullptr);
    EXPECT_EQ(host.emulator().balance().suitesHeld, 0);
    EXPECT_TRUE(host.menuItems.empty());
  }
  // A later start-up acquires afresh.
  EXPECT_EQ(host_.Startup(), host::kNoError);
  EXPECT_GT(host_.emulator().balance().suitesHeld, 0);
}

// Every host call start-up makes, failing in turn: start-up reports the failure and leaves
// nothing acquired, held or allocated behind, and each panel made is destroyed once.
TEST_F(PluginMainTest, FailingHostCallsDuringStartupLeaveNothingBehind) {
  const std::vector<std::pair<const char*, int>> calls = {
      {"Plugins.SetPluginName", 1}, {"Notifier.AddNotifier", 1},       {"Notifier.AddNotifier", 2},
      {"Access.AcquirePlugin", 1},  {"Menu.AddMenuItem", 1},           {"Menu.AddMenuItem", 3},
      {"Menu.AddMenuItem", 4},      {"UnicodeString.NewFromUtf16", 2},
  };
  for (const auto& [operation, nth] : calls) {
    SCOPED_TRACE(testing::Message() << operation << " #" << nth);
    Panels() = PanelLog{};
    TestHost host;
    host.emulator().FailCall(operation, nth);
    EXPECT_EQ(host.Startup(), emulator::kInjectedError);
    EXPECT_EQ(host.globals(), nullptr);
    const emulator::Balance balance = host.emulator().balance();
    EXPECT_TRUE(balance.balanced());
    EXPECT_EQ(host.holds, 0);
    const auto& events = Panels().events;
    for (const char* panel : {"GS1-128", "DataBar", "Expanded"}) {
      EXPECT_EQ(std::count(events.begin(), events.end(), std::string("make ") + panel),
                std::count(events.begin(), events.end(), std::string("destroy ") + panel));
    }
  }
}

TEST_F(PluginMainTest, FailingPanelEndsStartupAndPanelsMadeBeforeAreDestroyed) {
  for (const bool throwing : {false, true}) {
    SCOPED_TRACE(throwing ? "throwing" : "status");
    Panels() = PanelLog{{}, {}, "DataBar", FourCharCode("PANL"), throwing};
    TestHost host;
    EXPECT_EQ(host.Startup(), FourCharCode("PANL"));
    EXPECT_EQ(host.globals(), nullptr);
    EXPECT_TRUE(host.emulator().balance().balanced());
    EXPECT_EQ(host.holds, 0);
    const std::vector<std::string> expected =
        throwing ? std::vector<std::string>{"make GS1-128", "destroy GS1-128"}
                 : std::vector<std::string>{"make GS1-128", "make DataBar", "destroy GS1-128",
                                            "destroy DataBar"};
    EXPECT_EQ(Panels().events, expected);
  }
}

TEST_F(PluginMainTest, UnloadedPluginIgnoresMessagesUntilReload) {
  ASSERT_EQ(host_.Startup(), host::kNoError);
  const host::MenuItemHandle dataBar = host_.MenuItem("GS1DataBar");
  ASSERT_NE(dataBar, nullptr);

  EXPECT_EQ(host_.Send("SP Access", "Unload"), host::kNoError);
  EXPECT_EQ(host_.emulator().balance().suitesHeld, 0);
  EXPECT_EQ(host_.ChooseMenuItem(dataBar), host::kNoError);
  EXPECT_EQ(host_.Notify(frame::kAppShutdownNotifier), host::kNoError);
  EXPECT_EQ(Panels().events.size(), 3u) << "no toggle, no destruction while unloaded";

  EXPECT_EQ(host_.Send("SP Access", "Reload"), host::kNoError);
  EXPECT_EQ(host_.ChooseMenuItem(dataBar), host::kNoError);
  EXPECT_EQ(Panels().events.back(), "toggle DataBar");
  EXPECT_STREQ(static_cast<const frame::Plugin*>(host_.globals())->name(), "Barquill");
}

TEST_F(PluginMainTest, ShutdownWhileUnloadedStillTearsThePanelsDown) {
  ASSERT_EQ(host_.Startup(), host::kNoError);
  ASSERT_EQ(host_.Send("SP Access", "Unload"), host::kNoError);
  EXPECT_EQ(host_.Shutdown(), host::kNoError);
  EXPECT_EQ(host_.globals(), nullptr);
  EXPECT_EQ(std::count_if(Panels().events.begin(), Panels().events.end(),
                          [](const std::string& e) { return e.starts_with("destroy"); }),
            3);
  ExpectBalanced();
}

TEST_F(PluginMainTest, ShutdownWithoutStartupAnswersZero) {
  EXPECT_EQ(host_.Shutdown(), host::kNoError);
  host_.RefuseSuite("AI Menu Suite", FourCharCode("NOPE"));
  ASSERT_NE(host_.Startup(), host::kNoError);
  EXPECT_EQ(host_.Shutdown(), host::kNoError);
  EXPECT_EQ(host_.Send("AI Menu", "AI Go"), host::kNoError);
  ExpectBalanced();
}

}  // namespace
}  // namespace frame_test
