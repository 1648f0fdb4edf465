// Runs a host script (script.h) against a started host session: drives the plug-in's panels with
// the window messages their controls send, checks what they show, and after every command checks
// that the plug-in holds nothing it should have given back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "emulator/win32/host_session.h"
#include "emulator/win32/script.h"

namespace emulator {

class ScriptRunner {
 public:
  explicit ScriptRunner(HostSession& session) : session_(session) {}

  // Runs the lines in order; an empty text when all succeeded, else the first failure as
  // "line N: what".
  std::string Run(const std::vector<ScriptLine>& lines);

 private:
  using Words = std::vector<std::string>;
  using Command = std::string (ScriptRunner::*)(const Words& words);
  struct CommandSpec {
    const char* name;
    size_t minimumWords;  // the command's own name included
    size_t maximumWords;
    Command run;
  };
  static const CommandSpec kCommands[];

  std::string Execute(const ScriptLine& line);

  std::string NewDocument(const Words& words);
  std::string CloseDocument(const Words& words);
  std::string ChooseMenu(const Words& words);
  std::string OpenPanel(const Words& words);
  std::string ClosePanel(const Words& words);
  std::string ChooseFlyoutItem(const Words& words);
  std::string ChoosePanel(const Words& words);
  std::string SetText(const Words& words);
  std::string Select(const Words& words);
  std::string Click(const Words& words);
  std::string Tab(const Words& words);
  std::string ShiftTab(const Words& words);
  std::string ExpectText(const Words& words);
  std::string ExpectFocus(const Words& words);
  std::string ExpectAlert(const Words& words);
  std::string ExpectNoAlert(const Words& words);
  std::string ExpectShown(const Words& words);
  std::string ExpectChecked(const Words& words);
  std::string ExpectSymbols(const Words& words);
  std::string SaveSvg(const Words& words);
  std::string Screenshot(const Words& words);
  std::string Wait(const Words& words);
  std::string Shutdown(const Words& words);

  // The control with the identifier in the current panel; the error says why there is none.
  HWND Control(const std::string& id, std::string& error) const;
  std::string ShowPanel(const std::string& id, bool show);
  std::string PressTab(const std::string& id, bool shift);

  HostSession& session_;
  HWND panel_ = nullptr;
  size_t alertsExpected_ = 0;
  bool shutDown_ = false;
};

// Lets the windows of this thread handle what was posted to them, for at least `milliseconds`.
void PumpMessages(DWORD milliseconds = 0);

}  // namespace emulator
