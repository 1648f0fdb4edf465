// Host panels and their flyout menus. Showing a panel and setting its state reach the plug-in's
// callbacks as they do in the host (see panel_host.h).
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"
#include "host/utf.h"

namespace emulator {

namespace {

// Runs the body on the panel behind the handle; unknown panels are refused.
template <typename Body>
host::ErrorCode OnPanel(OperationName operation, host::PanelHandle handle, Body&& body) {
  return RunOperation(operation, [&](Emulator::State& state) {
    PanelRecord* panel = state.panels.panels.Find(handle);
    return panel == nullptr ? kBadHandle : body(*panel, state);
  });
}

template <typename Body>
host::ErrorCode OnFlyout(OperationName operation, host::FlyoutMenuHandle handle, Body&& body) {
  return RunOperation(operation, [&](Emulator::State& state) {
    FlyoutMenuRecord* flyout = state.panels.flyouts.Find(handle);
    return flyout == nullptr ? kBadHandle : body(*flyout, state);
  });
}

bool IsFlyoutOrNone(Emulator::State& state, host::FlyoutMenuHandle flyout) {
  return flyout == nullptr || state.panels.flyouts.Find(flyout) != nullptr;
}

host::ErrorCode Create(host::PluginHandle plugin, host::UnicodeStringHandle id,
                       host::UnicodeStringHandle title, int16_t stateCount, host::Size minimumSize,
                       bool resizable, host::FlyoutMenuHandle flyout, void* userData,
                       host::PanelHandle* panel) {
  return RunOperation("Panel.Create", [&](Emulator::State& state) {
    if (panel == nullptr || stateCount < 1)
      return kBadParameter;
    const std::u16string* idText = state.strings.Find(id);
    const std::u16string* titleText = state.strings.Find(title);
    if (idText == nullptr || titleText == nullptr || !IsFlyoutOrNone(state, flyout)) {
      return kBadHandle;
    }
    auto record = std::make_unique<PanelRecord>();
    record->plugin = plugin;
    record->id = host::Utf16ToUtf8(*idText);
    record->title = host::Utf16ToUtf8(*titleText);
    record->stateCount = stateCount;
    record->minimumSize = minimumSize;
    record->resizable = resizable;
    record->flyout = flyout;
    record->userData = userData;
    record->sizes = {minimumSize, minimumSize, minimumSize, minimumSize};
    *panel = state.panels.Create(std::move(record));
    return host::kNoError;
  });
}

host::ErrorCode Destroy(host::PanelHandle panel) {
  return RunOperation("Panel.Destroy", [&](Emulator::State& state) {
    return state.panels.Destroy(panel) ? host::kNoError : kBadHandle;
  });
}

host::ErrorCode GetPlatformWindow(host::PanelHandle handle, host::PlatformWindow* window) {
  return OnPanel("Panel.GetPlatformWindow", handle, [&](PanelRecord& panel, Emulator::State&) {
    if (window == nullptr)
      return kBadParameter;
    *window = panel.window;
    return host::kNoError;
  });
}

host::ErrorCode Show(host::PanelHandle panel, bool show) {
  return RunOperation("Panel.Show",
                      [&](Emulator::State& state) { return state.panels.Show(panel, show); });
}

host::ErrorCode IsShown(host::PanelHandle handle, bool* shown) {
  return OnPanel("Panel.IsShown", handle, [&](PanelRecord& panel, Emulator::State&) {
    if (shown == nullptr)
      return kBadParameter;
    *shown = panel.shown;
    return host::kNoError;
  });
}

host::ErrorCode GetUserData(host::PanelHandle handle, void** userData) {
  return OnPanel("Panel.GetUserData", handle, [&](PanelRecord& panel, Emulator::State&) {
    if (userData == nullptr)
      return kBadParameter;
    *userData = panel.userData;
    return host::kNoError;
  });
}

host::ErrorCode SetIcon(host::PanelHandle handle, const void* png, uint32_t byteCount,
                        int32_t /*reserved1*/, int32_t /*reserved2*/) {
  return OnPanel("Panel.SetIcon", handle, [&](PanelRecord& panel, Emulator::State&) {
    if (png == nullptr && byteCount > 0)
      return kBadParameter;
    const auto* bytes = static_cast<const uint8_t*>(png);
    panel.icon.assign(bytes, bytes + byteCount);
    return host::kNoError;
  });
}

host::ErrorCode SetSizes(host::PanelHandle handle, host::Size minimum, host::Size preferred,
                         host::Size constrained, host::Size maximum) {
  return RunOperation("Panel.SetSizes", [&](Emulator::State& state) {
    return state.panels.SetSizes(handle, {minimum, preferred, constrained, maximum});
  });
}

host::ErrorCode SetState(host::PanelHandle panel, int16_t newState) {
  return RunOperation("Panel.SetState", [&](Emulator::State& state) {
    return state.panels.SetState(panel, newState);
  });
}

host::ErrorCode GetState(host::PanelHandle handle, int16_t* current) {
  return OnPanel("Panel.GetState", handle, [&](PanelRecord& panel, Emulator::State&) {
    if (current == nullptr)
      return kBadParameter;
    *current = panel.state;
    return host::kNoError;
  });
}

host::ErrorCode GetFlyoutMenu(host::PanelHandle handle, host::FlyoutMenuHandle* flyout) {
  return OnPanel("Panel.GetFlyoutMenu", handle, [&](PanelRecord& panel, Emulator::State&) {
    if (flyout == nullptr)
      return kBadParameter;
    *flyout = panel.flyout;
    return host::kNoError;
  });
}

host::ErrorCode SetFlyoutMenu(host::PanelHandle handle, host::FlyoutMenuHandle flyout) {
  return OnPanel("Panel.SetFlyoutMenu", handle, [&](PanelRecord& panel, Emulator::State& state) {
    if (!IsFlyoutOrNone(state, flyout))
      return kBadHandle;
    panel.flyout = flyout;
    return host::kNoError;
  });
}

host::ErrorCode SetFlyoutMenuPreVisibilityProc(host::PanelHandle handle,
                                               host::PanelFlyoutPreVisibilityProc proc) {
  return OnPanel("Panel.SetFlyoutMenuPreVisibilityProc", handle,
                 [&](PanelRecord& panel, Emulator::State&) {
                   panel.callbacks.flyoutOpening = proc;
                   return host::kNoError;
                 });
}

host::ErrorCode SetFlyoutMenuProc(host::PanelHandle handle, host::PanelFlyoutCommandProc proc) {
  return OnPanel("Panel.SetFlyoutMenuProc", handle, [&](PanelRecord& panel, Emulator::State&) {
    panel.callbacks.flyoutCommand = proc;
    return host::kNoError;
  });
}

host::ErrorCode SetVisibilityChangedNotifyProc(host::PanelHandle handle,
                                               host::PanelVisibilityChangedProc proc) {
  return OnPanel("Panel.SetVisibilityChangedNotifyProc", handle,
                 [&](PanelRecord& panel, Emulator::State&) {
                   panel.callbacks.visibilityChanged = proc;
                   return host::kNoError;
                 });
}

host::ErrorCode SetStateChangedNotifyProc(host::PanelHandle handle,
                                          host::PanelStateChangedProc proc) {
  return OnPanel("Panel.SetStateChangedNotifyProc", handle,
                 [&](PanelRecord& panel, Emulator::State&) {
                   panel.callbacks.stateChanged = proc;
                   return host::kNoError;
                 });
}

host::ErrorCode CreateFlyout(host::FlyoutMenuHandle* flyout) {
  return RunOperation("FlyoutMenu.Create", [&](Emulator::State& state) {
    if (flyout == nullptr)
      return kBadParameter;
    *flyout = state.panels.flyouts.Add(std::make_unique<FlyoutMenuRecord>());
    return host::kNoError;
  });
}

host::ErrorCode DestroyFlyout(host::FlyoutMenuHandle flyout) {
  return RunOperation("FlyoutMenu.Destroy", [&](Emulator::State& state) {
    return state.panels.flyouts.Remove(flyout) ? host::kNoError : kBadHandle;
  });
}

// Item numbers identify items, so each may appear once.
host::ErrorCode AppendItem(host::FlyoutMenuHandle handle, uint32_t item,
                           host::UnicodeStringHandle text) {
  return OnFlyout("FlyoutMenu.AppendItem", handle,
                  [&](FlyoutMenuRecord& flyout, Emulator::State& state) {
                    const std::u16string* units = state.strings.Find(text);
                    if (units == nullptr)
                      return kBadHandle;
                    if (flyout.Find(item) != nullptr)
                      return kBadParameter;
                    flyout.items.push_back({item, host::Utf16ToUtf8(*units)});
                    return host::kNoError;
                  });
}

host::ErrorCode SetItemText(host::FlyoutMenuHandle handle, uint32_t item,
                            host::UnicodeStringHandle text) {
  return OnFlyout("FlyoutMenu.SetItemText", handle,
                  [&](FlyoutMenuRecord& flyout, Emulator::State& state) {
                    const std::u16string* units = state.strings.Find(text);
                    if (units == nullptr)
                      return kBadHandle;
                    FlyoutItem* entry = flyout.Find(item);
                    if (entry == nullptr)
                      return kNotFound;
                    entry->text = host::Utf16ToUtf8(*units);
                    return host::kNoError;
                  });
}

}  // namespace

const host::PanelSuite kPanelSuite = {Create,
                                      Destroy,
                                      GetPlatformWindow,
                                      Show,
                                      IsShown,
                                      GetUserData,
                                      SetIcon,
                                      SetSizes,
                                      SetState,
                                      GetState,
                                      GetFlyoutMenu,
                                      SetFlyoutMenu,
                                      SetFlyoutMenuPreVisibilityProc,
                                      SetFlyoutMenuProc,
                                      SetVisibilityChangedNotifyProc,
                                      SetStateChangedNotifyProc};
const host::FlyoutMenuSuite kFlyoutMenuSuite = {CreateFlyout, DestroyFlyout, AppendItem,
                                                SetItemText};

}  // namespace emulator
