// The host's main window: its menu bar with the plug-ins' items, and the open document drawn in
// its client area. Menu choices reach the plug-in as menu messages; File offers a new document,
// closing it, and saving it as SVG.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "emulator/emulator.h"
#include "emulator/win32/menu_bar.h"
#include "emulator/win32/plugin_host.h"

namespace emulator {

class HostWindow {
 public:
  // Interactive: alerts are shown in message boxes and the save command asks for a file.
  HostWindow(Emulator& emulator, PluginHost& plugin, bool interactive);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND handle() const { return window_; }
  const MenuBar& menu() const { return menu_; }

  // Rebuilds the menu bar from the plug-ins' items (after start-up and reload).
  void RebuildMenu();
  // Shows what the plug-in changed: its check marks, the document, and, when interactive, the
  // alerts it raised since the last time.
  void Refresh();
  // Runs the message loop until the window is closed.
  void Run();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(UINT command);
  void OnPaint();
  void SaveWithDialog();
  void ShowNewAlerts();

  Emulator& emulator_;
  PluginHost& plugin_;
  bool interactive_;
  HWND window_ = nullptr;
  MenuBar menu_;
  size_t alertsShown_ = 0;
  size_t paintedArt_ = 0;  // art in the document when it was last drawn
};

}  // namespace emulator
