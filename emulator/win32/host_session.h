// One run of the host with the plug-in: the emulator, the panels as real windows, the plug-in
// file loaded and started, and the host window with its menus. barquill-host and the Win32 tests
// drive the plug-in through it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "emulator/emulator.h"
#include "emulator/win32/balance_watch.h"
#include "emulator/win32/host_window.h"
#include "emulator/win32/panel_frames.h"
#include "emulator/win32/plugin_host.h"

namespace emulator {

struct HostOptions {
  std::wstring pluginPath;
  bool interactive = false;
  COLORREF panelBackground = PanelFrames::kLightBackground;
};

class HostSession {
 public:
  explicit HostSession(const HostOptions& options);
  // Shuts the plug-in down if it still runs.
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // Loads and starts the plug-in and gives the host window its menus; an empty text on success,
  // else what failed (also when the plug-in holds more than its suites afterwards).
  std::string Start();
  // Shuts the plug-in down; an empty text when it left nothing held, else what it left.
  std::string Shutdown();

  Emulator& emulator() { return emulator_; }
  PluginHost& plugin() { return plugin_; }
  HostWindow& window() { return *window_; }
  const PanelFrames& panelFrames() const { return *panelFrames_; }
  const BalanceWatch& balance() const { return balance_; }

  // The plug-in's host panel with that identifier, or null.
  host::PanelHandle Panel(std::string_view id) const;
  // Its platform window, or null.
  HWND PanelWindow(std::string_view id) const;

 private:
  Emulator emulator_;
  PluginHost plugin_;
  std::unique_ptr<HostWindow> window_;
  PanelFrames* panelFrames_;  // owned by the emulator
  BalanceWatch balance_;
  std::wstring pluginPath_;
};

// Barquill.aip beside the running program.
std::wstring PluginBesideProgram();

}  // namespace emulator
