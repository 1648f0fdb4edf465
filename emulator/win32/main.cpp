// barquill-host: the stand-in host as a Windows program. It loads Barquill.aip as the host does,
// shows its window with the plug-in's menus, panels and the document, and either lets the user
// work (interactive) or runs a script and exits.
//
//   barquill-host [--plugin FILE] [--script FILE] [--dark]
//
// --plugin  the plug-in file (default: Barquill.aip beside the program)
// --script  runs the script (see script.h) instead of waiting for the user
// --dark    the host's dark interface: panels on a dark background
//
// Exit status: 0 success, 1 a script line or the plug-in's balance failed, 2 bad use.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "emulator/win32/host_session.h"
#include "emulator/win32/script.h"
#include "emulator/win32/script_runner.h"
#include "host/utf.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadUse = 2;

struct Arguments {
  emulator::HostOptions host;
  std::wstring script;
};

std::string Narrow(const std::wstring& wide) {
  return host::Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "barquill-host: %s\n", message.c_str());
  return status;
}

bool ParseArguments(Arguments& arguments, std::string& error) {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  const std::vector<std::wstring> list(words, words + count);
  LocalFree(words);
  arguments.host.pluginPath = emulator::PluginBesideProgram();
  for (size_t i = 1; i < list.size(); ++i) {
    const std::wstring& word = list[i];
    const bool hasValue = i + 1 < list.size();
    if (word == L"--plugin" && hasValue) {
      arguments.host.pluginPath = list[++i];
    } else if (word == L"--script" && hasValue) {
      arguments.script = list[++i];
    } else if (word == L"--dark") {
      arguments.host.panelBackground = emulator::PanelFrames::kDarkBackground;
    } else {
      error = "usage: barquill-host [--plugin FILE] [--script FILE] [--dark]";
      return false;
    }
  }
  arguments.host.interactive = arguments.script.empty();
  return true;
}

bool ReadFile(const std::wstring& path, std::string& text) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr)
    return false;
  char buffer[4096];
  size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    text.append(buffer, read);
  std::fclose(file);
  return true;
}

int RunScript(emulator::HostSession& session, const std::wstring& path) {
  std::string text;
  if (!ReadFile(path, text))
    return Fail(kBadUse, "cannot read " + Narrow(path));
  const emulator::ParsedScript script = emulator::ParseScript(text);
  if (!script.error.empty())
    return Fail(kBadUse, Narrow(path) + ": " + script.error);
  const std::string failure = emulator::ScriptRunner(session).Run(script.lines);
  if (!failure.empty())
    return Fail(kFailed, Narrow(path) + ": " + failure);
  return 0;
}

}  // namespace

int main() {
  Arguments arguments;
  std::string error;
  if (!ParseArguments(arguments, error))
    return Fail(kBadUse, error);

  emulator::HostSession session(arguments.host);
  error = session.Start();
  if (!error.empty())
    return Fail(kFailed, error);

  int status = 0;
  if (arguments.host.interactive) {
    session.window().Run();
  } else {
    status = RunScript(session, arguments.script);
  }
  if (session.plugin().running()) {
    error = session.Shutdown();
    if (!error.empty())
      status = Fail(kFailed, "after shut-down: " + error);
  }
  return status;
}
