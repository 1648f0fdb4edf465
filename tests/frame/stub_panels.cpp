#include "tests/frame/stub_panels.h"

#include <memory>
#include <new>

#include "frame/plugin_factory.h"
#include "frame/veltra_plugin.h"
#include "host/ai_error.h"

namespace frame_test {

namespace {

thread_local PanelLog panelLog;
thread_local frame::Plugin* (*pluginFactory)(host::PluginHandle) = nullptr;

class StubPanel : public frame::Panel {
 public:
  explicit StubPanel(std::string kind) : kind_(std::move(kind)) {
    panelLog.events.push_back("make " + kind_);
    if (kind_ == panelLog.failing)
      status_ = panelLog.failure;
  }
  ~StubPanel() override { panelLog.events.push_back("destroy " + kind_); }
  host::ErrorCode status() const override { return status_; }
  void Toggle() override { panelLog.events.push_back("toggle " + kind_); }

 private:
  std::string kind_;
  host::ErrorCode status_ = host::kNoError;
};

template <const char* kKind>
std::unique_ptr<frame::Panel> MakeStub(host::PluginHandle, host::MenuItemHandle menuItem) {
  if (panelLog.throwing && panelLog.failing == kKind)
    throw ai::Error(panelLog.failure);
  panelLog.menuItems.push_back(menuItem);
  return std::make_unique<StubPanel>(kKind);
}

constexpr char kMedical128[] = "GS1-128";
constexpr char kDataBar[] = "DataBar";
constexpr char kExpanded[] = "Expanded";

}  // namespace

PanelLog& Panels() {
  return panelLog;
}

void UsePluginForDispatch(frame::Plugin* (*factory)(host::PluginHandle)) {
  pluginFactory = factory;
}

}  // namespace frame_test

namespace frame {

Plugin* CreatePlugin(host::PluginHandle self) {
  using namespace frame_test;
  if (pluginFactory != nullptr)
    return pluginFactory(self);
  return new (std::nothrow)
      VeltraPlugin(self, {MakeStub<kMedical128>, MakeStub<kDataBar>, MakeStub<kExpanded>});
}

void FixUpPlugin(Plugin* plugin) {
  if (frame_test::pluginFactory == nullptr)
    VeltraPlugin::FixUp(plugin);
}

}  // namespace frame
