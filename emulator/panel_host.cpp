#include "emulator/panel_host.h"

#include "emulator/errors.h"

namespace emulator {

FlyoutItem* FlyoutMenuRecord::Find(uint32_t id) {
  for (FlyoutItem& item : items) {
    if (item.id == id)
      return &item;
  }
  return nullptr;
}

PanelHost::PanelHost() : windows_(std::make_unique<PanelWindows>()) {}

PanelHost::~PanelHost() {
  for (const auto& panel : panels.records())
    windows_->Destroy(panel->window);
}

host::PanelHandle PanelHost::Create(std::unique_ptr<PanelRecord> panel) {
  panel->window = windows_->Create(*panel);
  return panels.Add(std::move(panel));
}

bool PanelHost::Destroy(host::PanelHandle handle) {
  PanelRecord* panel = panels.Find(handle);
  if (panel == nullptr)
    return false;
  windows_->Destroy(panel->window);
  return panels.Remove(handle);
}

host::ErrorCode PanelHost::Show(host::PanelHandle handle, bool show) {
  PanelRecord* panel = panels.Find(handle);
  if (panel == nullptr)
    return kBadHandle;
  if (panel->shown == show)
    return host::kNoError;
  panel->shown = show;
  windows_->Show(panel->window, show);
  if (const auto callback = panel->callbacks.visibilityChanged) {
    Deliver([&] { callback(handle, show); });
  }
  return host::kNoError;
}

host::ErrorCode PanelHost::SetSizes(host::PanelHandle handle, const PanelSizes& sizes) {
  PanelRecord* panel = panels.Find(handle);
  if (panel == nullptr)
    return kBadHandle;
  panel->sizes = sizes;
  windows_->Resize(panel->window, sizes.preferred);
  return host::kNoError;
}

host::ErrorCode PanelHost::SetState(host::PanelHandle handle, int16_t state) {
  PanelRecord* panel = panels.Find(handle);
  if (panel == nullptr)
    return kBadHandle;
  if (state < 1 || state > panel->stateCount)
    return kBadParameter;
  panel->state = state;
  if (const auto callback = panel->callbacks.stateChanged) {
    Deliver([&] { callback(handle, state); });
  }
  return host::kNoError;
}

host::ErrorCode PanelHost::OpenFlyout(host::PanelHandle handle) {
  PanelRecord* panel = panels.Find(handle);
  if (panel == nullptr)
    return kBadHandle;
  if (flyouts.Find(panel->flyout) == nullptr)
    return kNotFound;
  if (const auto callback = panel->callbacks.flyoutOpening) {
    Deliver([&] { callback(handle); });
  }
  return host::kNoError;
}

host::ErrorCode PanelHost::ChooseFlyoutItem(host::PanelHandle handle, uint32_t item) {
  PanelRecord* panel = panels.Find(handle);
  if (panel == nullptr)
    return kBadHandle;
  FlyoutMenuRecord* flyout = flyouts.Find(panel->flyout);
  if (flyout == nullptr || flyout->Find(item) == nullptr)
    return kNotFound;
  if (const auto callback = panel->callbacks.flyoutCommand) {
    Deliver([&] { callback(handle, item); });
  }
  return host::kNoError;
}

void PanelHost::SetWindows(std::unique_ptr<PanelWindows> windows) {
  windows_ = windows ? std::move(windows) : std::make_unique<PanelWindows>();
}

template <typename Call>
void PanelHost::Deliver(Call&& call) {
  try {
    call();
  } catch (...) {
    ++escapedExceptions_;
  }
}

}  // namespace emulator
