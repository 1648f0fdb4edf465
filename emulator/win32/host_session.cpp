#include "emulator/win32/host_session.h"

#include "emulator/handle_table.h"

namespace emulator {

HostSession::HostSession(const HostOptions& options)
    : plugin_(emulator_),
      window_(std::make_unique<HostWindow>(emulator_, plugin_, options.interactive)),
      balance_(emulator_),
      pluginPath_(options.pluginPath) {
  auto frames =
      std::make_unique<PanelFrames>(emulator_, window_->handle(), options.panelBackground);
  panelFrames_ = frames.get();
  emulator_.SetPanelWindows(std::move(frames));
  emulator_.NewDocument();
}

HostSession::~HostSession() {
  if (plugin_.running())
    Shutdown();
  // The panels' windows go with the host window that owns them, before the plug-in's code.
  window_.reset();
}

std::string HostSession::Start() {
  std::string error = plugin_.Load(pluginPath_);
  if (!error.empty())
    return error;
  const host::ErrorCode result = plugin_.Startup();
  window_->RebuildMenu();
  window_->Refresh();
  if (result != host::kNoError)
    return "start-up failed with code " + std::to_string(result);
  balance_.NoteStartup();
  const std::string held = balance_.CheckAfterAction();
  return held.empty() ? held : "after start-up: " + held;
}

std::string HostSession::Shutdown() {
  const host::ErrorCode result = plugin_.Shutdown();
  if (result != host::kNoError)
    return "shut-down failed with code " + std::to_string(result);
  return balance_.CheckAfterShutdown();
}

host::PanelHandle HostSession::Panel(std::string_view id) const {
  for (const auto& panel : emulator_.panels().panels.records()) {
    if (panel->id == id)
      return HandleTable<host::PanelHandle, PanelRecord>::HandleOf(panel.get());
  }
  return nullptr;
}

HWND HostSession::PanelWindow(std::string_view id) const {
  for (const auto& panel : emulator_.panels().panels.records()) {
    if (panel->id == id)
      return static_cast<HWND>(panel->window);
  }
  return nullptr;
}

std::wstring PluginBesideProgram() {
  wchar_t path[MAX_PATH] = {};
  const std::wstring program(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return program.substr(0, program.find_last_of(L"\\/") + 1) + L"Barquill.aip";
}

}  // namespace emulator
