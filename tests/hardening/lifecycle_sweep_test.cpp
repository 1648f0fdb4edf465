// The host-failure sweep over the plug-in's life as the host drives it through PluginMain:
// start-up, a menu choice, the shut-down notification and shut-down, and the same with an unload
// and a reload in between, each run once for every host call they make, with that call failing.
// The panels are the frame tests' stand-ins, which make no host calls of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

#include "frame/plugin.h"
#include "tests/frame/stub_panels.h"
#include "tests/frame/test_host.h"
#include "tests/hardening/failure_sweep.h"

namespace hardening {
namespace {

using frame_test::TestHost;

class LifecycleRun : public FlowRun {
 public:
  explicit LifecycleRun(bool unloads) : unloads_(unloads) { frame_test::Panels() = {}; }

  emulator::Emulator& emulator() override { return host_.emulator(); }

  FlowEnding Run() override {
    const host::ErrorCode started = host_.Startup();
    host::ErrorCode result = started;
    auto send = [&](host::ErrorCode code) {
      if (result == host::kNoError)
        result = code;
    };
    send(host_.ChooseMenuItem(host_.MenuItem("GS1DataBar")));
    if (unloads_) {
      send(host_.Send("SP Access", "Unload"));
      send(host_.Send("SP Access", "Reload"));
    }
    send(host_.Notify(frame::kAppShutdownNotifier));
    send(host_.Shutdown());
    return {result == host::kNoError, "result " + std::to_string(result)};
  }

  void Finish() override {}

  // The object is gone, every panel made was destroyed, the hold on the host was offered back.
  std::string Fault() override {
    if (host_.globals() != nullptr)
      return "the plug-in object outlived shut-down";
    const auto& events = frame_test::Panels().events;
    for (const char* panel : {"GS1-128", "DataBar", "Expanded"}) {
      if (std::count(events.begin(), events.end(), std::string("make ") + panel) !=
          std::count(events.begin(), events.end(), std::string("destroy ") + panel)) {
        return std::string("the ") + panel + " panel was not destroyed once";
      }
    }
    if (host_.holds != 0 && host_.emulator().CallCount("Access.ReleasePlugin") == 0) {
      return "the plug-in is still held loaded";
    }
    return {};
  }

 private:
  TestHost host_;
  bool unloads_;
};

TEST(LifecycleSweep, StartupAndShutdownSurviveEveryFailingHostCall) {
  int injected = 0;
  for (const bool unloads : {false, true}) {
    const std::string name =
        unloads ? "start-up, unload, reload, shut-down" : "start-up, shut-down";
    const SweepReport report =
        Sweep(name, [unloads] { return std::make_unique<LifecycleRun>(unloads); });
    ReportSweep(name, report);
    EXPECT_GT(report.injected, 0) << name;
    EXPECT_EQ(report.escapes, 0) << name;
    EXPECT_EQ(report.leaks, 0) << name;
    injected += report.injected;
  }
  std::cout << "Start-up and shut-down, all flows: " << injected << " failures injected\n";
  RecordProperty("injected", injected);
  // The total moves only when start-up's or shut-down's host calls change.
  EXPECT_EQ(injected, 300);
}

}  // namespace
}  // namespace hardening
