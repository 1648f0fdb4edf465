#include "emulator/win32/script_runner.h"

#include <charconv>
#include <string_view>

#include "emulator/svg_writer.h"
#include "emulator/win32/screen_capture.h"
#include "host/utf.h"

namespace emulator {

namespace {

std::wstring Wide(std::string_view text) {
  const std::u16string units = host::Utf8ToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

std::string TextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), length + 1));
  return host::Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

bool ParseNumber(const std::string& word, double& value) {
  const char* end = word.data() + word.size();
  return std::from_chars(word.data(), end, value).ptr == end && !word.empty();
}

bool ParseCount(const std::string& word, int& value) {
  const char* end = word.data() + word.size();
  return std::from_chars(word.data(), end, value).ptr == end && !word.empty();
}

// yes or no.
bool ParseAnswer(const std::string& word, bool& answer, std::string& error) {
  if (word != "yes" && word != "no") {
    error = "expected yes or no, not " + word;
    return false;
  }
  answer = word == "yes";
  return true;
}

// A list with an edit part takes typed text there; other controls take it themselves.
HWND TypingTarget(HWND control) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(control, &info) && info.hwndItem != nullptr)
    return info.hwndItem;
  return control;
}

void SendShift(bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_SHIFT;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

std::string Mismatch(const char* what, const std::string& expected, const std::string& actual) {
  return std::string(what) + " is \"" + actual + "\", expected \"" + expected + "\"";
}

}  // namespace

const ScriptRunner::CommandSpec ScriptRunner::kCommands[] = {
    {"new-document", 1, 3, &ScriptRunner::NewDocument},
    {"close-document", 1, 1, &ScriptRunner::CloseDocument},
    {"menu", 2, 2, &ScriptRunner::ChooseMenu},
    {"open", 2, 2, &ScriptRunner::OpenPanel},
    {"close", 2, 2, &ScriptRunner::ClosePanel},
    {"flyout", 3, 3, &ScriptRunner::ChooseFlyoutItem},
    {"panel", 2, 2, &ScriptRunner::ChoosePanel},
    {"set", 3, 3, &ScriptRunner::SetText},
    {"select", 3, 3, &ScriptRunner::Select},
    {"click", 2, 2, &ScriptRunner::Click},
    {"tab", 2, 2, &ScriptRunner::Tab},
    {"shift-tab", 2, 2, &ScriptRunner::ShiftTab},
    {"expect-text", 3, 3, &ScriptRunner::ExpectText},
    {"expect-focus", 2, 2, &ScriptRunner::ExpectFocus},
    {"expect-alert", 2, 2, &ScriptRunner::ExpectAlert},
    {"expect-no-alert", 1, 1, &ScriptRunner::ExpectNoAlert},
    {"expect-shown", 3, 3, &ScriptRunner::ExpectShown},
    {"expect-checked", 3, 3, &ScriptRunner::ExpectChecked},
    {"expect-symbols", 2, 2, &ScriptRunner::ExpectSymbols},
    {"save-svg", 2, 2, &ScriptRunner::SaveSvg},
    {"screenshot", 2, 2, &ScriptRunner::Screenshot},
    {"wait", 2, 2, &ScriptRunner::Wait},
    {"shutdown", 1, 1, &ScriptRunner::Shutdown},
};

std::string ScriptRunner::Run(const std::vector<ScriptLine>& lines) {
  for (const ScriptLine& line : lines) {
    const std::string error = Execute(line);
    if (!error.empty())
      return "line " + std::to_string(line.number) + ": " + error;
  }
  return {};
}

std::string ScriptRunner::Execute(const ScriptLine& line) {
  const Words& words = line.words;
  for (const CommandSpec& command : kCommands) {
    if (words.front() != command.name)
      continue;
    if (words.size() < command.minimumWords || words.size() > command.maximumWords)
      return "wrong number of arguments for " + words.front();
    if (shutDown_ && command.run != &ScriptRunner::SaveSvg)
      return "the plug-in is shut down";
    std::string error = (this->*command.run)(words);
    PumpMessages();
    session_.window().Refresh();
    if (error.empty() && !shutDown_)
      error = session_.balance().CheckAfterAction();
    return error;
  }
  return "unknown command " + words.front();
}

std::string ScriptRunner::NewDocument(const Words& words) {
  host::RealPoint centre{306.0f, 396.0f};
  if (words.size() == 3) {
    double h = 0;
    double v = 0;
    if (!ParseNumber(words[1], h) || !ParseNumber(words[2], v))
      return "the view centre must be two numbers";
    centre = {static_cast<host::Real>(h), static_cast<host::Real>(v)};
  } else if (words.size() != 1) {
    return "new-document takes no point or a whole one";
  }
  session_.emulator().NewDocument(centre);
  return {};
}

std::string ScriptRunner::CloseDocument(const Words&) {
  session_.emulator().CloseDocument();
  return {};
}

std::string ScriptRunner::ChooseMenu(const Words& words) {
  const UINT command = session_.window().menu().CommandOf(session_.emulator().menus(), words[1]);
  if (command == 0)
    return "no menu item " + words[1];
  SendMessageW(session_.window().handle(), WM_COMMAND, command, 0);
  return {};
}

std::string ScriptRunner::ShowPanel(const std::string& id, bool show) {
  const host::PanelHandle panel = session_.Panel(id);
  if (panel == nullptr)
    return "no panel " + id;
  session_.emulator().SetPanelShown(panel, show);
  return {};
}

std::string ScriptRunner::OpenPanel(const Words& words) {
  return ShowPanel(words[1], true);
}

std::string ScriptRunner::ClosePanel(const Words& words) {
  return ShowPanel(words[1], false);
}

// As the user does: the menu opens (the panel sets its items' texts), then the item is chosen.
std::string ScriptRunner::ChooseFlyoutItem(const Words& words) {
  const host::PanelHandle panel = session_.Panel(words[1]);
  if (panel == nullptr)
    return "no panel " + words[1];
  int item = 0;
  if (!ParseCount(words[2], item) || item < 0)
    return "the item must be a number";
  if (session_.emulator().OpenFlyoutMenu(panel) != host::kNoError ||
      session_.emulator().ChooseFlyoutItem(panel, static_cast<uint32_t>(item)) != host::kNoError) {
    return "the panel has no flyout item " + words[2];
  }
  return {};
}

std::string ScriptRunner::ChoosePanel(const Words& words) {
  panel_ = session_.PanelWindow(words[1]);
  return panel_ != nullptr ? std::string() : "no panel " + words[1];
}

HWND ScriptRunner::Control(const std::string& id, std::string& error) const {
  int number = 0;
  if (panel_ == nullptr) {
    error = "no panel chosen";
  } else if (!ParseCount(id, number)) {
    error = "a control is named by its number, not " + id;
  } else if (HWND control = GetDlgItem(panel_, number)) {
    return control;
  } else {
    error = "the panel has no control " + id;
  }
  return nullptr;
}

std::string ScriptRunner::SetText(const Words& words) {
  std::string error;
  if (HWND control = Control(words[1], error)) {
    SendMessageW(TypingTarget(control), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(Wide(words[2]).c_str()));
  }
  return error;
}

// CB_SETCURSEL alone tells the panel nothing; the user's choice also notifies it.
std::string ScriptRunner::Select(const Words& words) {
  std::string error;
  int entry = 0;
  HWND control = Control(words[1], error);
  if (control == nullptr)
    return error;
  if (!ParseCount(words[2], entry))
    return "the entry must be a number";
  if (SendMessageW(control, CB_SETCURSEL, entry, 0) == CB_ERR)
    return "the list has no entry " + words[2];
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(control));
  return {};
}

std::string ScriptRunner::Click(const Words& words) {
  std::string error;
  if (HWND control = Control(words[1], error))
    SendMessageW(control, BM_CLICK, 0, 0);
  return error;
}

std::string ScriptRunner::PressTab(const std::string& id, bool shift) {
  std::string error;
  HWND control = Control(id, error);
  if (control == nullptr)
    return error;
  HWND target = TypingTarget(control);
  SetFocus(target);
  if (shift)
    SendShift(true);
  SendMessageW(target, WM_KEYDOWN, VK_TAB, 0);
  if (shift)
    SendShift(false);
  return {};
}

std::string ScriptRunner::Tab(const Words& words) {
  return PressTab(words[1], false);
}

std::string ScriptRunner::ShiftTab(const Words& words) {
  return PressTab(words[1], true);
}

std::string ScriptRunner::ExpectText(const Words& words) {
  std::string error;
  HWND control = Control(words[1], error);
  if (control == nullptr)
    return error;
  const std::string text = TextOf(control);
  return text == words[2] ? std::string() : Mismatch("the text", words[2], text);
}

std::string ScriptRunner::ExpectFocus(const Words& words) {
  std::string error;
  HWND control = Control(words[1], error);
  if (control == nullptr)
    return error;
  HWND focus = GetFocus();
  if (focus == control || (focus != nullptr && IsChild(control, focus)))
    return {};
  return "the focus is on control " + std::to_string(focus ? GetDlgCtrlID(focus) : 0);
}

std::string ScriptRunner::ExpectAlert(const Words& words) {
  const auto& alerts = session_.emulator().alerts();
  if (alertsExpected_ == alerts.size())
    return "no alert was shown, expected \"" + words[1] + "\"";
  const std::string& alert = alerts[alertsExpected_++];
  return alert == words[1] ? std::string() : Mismatch("the alert", words[1], alert);
}

std::string ScriptRunner::ExpectNoAlert(const Words&) {
  const auto& alerts = session_.emulator().alerts();
  if (alertsExpected_ == alerts.size())
    return {};
  return "an alert was shown: \"" + alerts[alertsExpected_] + "\"";
}

std::string ScriptRunner::ExpectShown(const Words& words) {
  std::string error;
  bool expected = false;
  if (!ParseAnswer(words[2], expected, error))
    return error;
  const host::PanelHandle panel = session_.Panel(words[1]);
  const PanelRecord* record = session_.emulator().panels().panels.Find(panel);
  if (record == nullptr)
    return "no panel " + words[1];
  if (record->shown != expected ||
      IsWindowVisible(session_.panelFrames().FrameOf(record->window)) != expected)
    return "the panel is " + std::string(expected ? "hidden" : "shown");
  return {};
}

std::string ScriptRunner::ExpectChecked(const Words& words) {
  std::string error;
  bool expected = false;
  if (!ParseAnswer(words[2], expected, error))
    return error;
  const MenuBar& menu = session_.window().menu();
  const UINT command = menu.CommandOf(session_.emulator().menus(), words[1]);
  if (command == 0)
    return "no menu item " + words[1];
  const bool checked = (GetMenuState(menu.handle(), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
  return checked == expected ? std::string()
                             : "the item is " + std::string(checked ? "checked" : "not checked");
}

std::string ScriptRunner::ExpectSymbols(const Words& words) {
  int expected = 0;
  if (!ParseCount(words[1], expected))
    return "the count must be a number";
  const Document* document = session_.emulator().document();
  const int symbols = document != nullptr ? static_cast<int>(document->group().children.size()) : 0;
  return symbols == expected ? std::string()
                             : "the document holds " + std::to_string(symbols) + " symbols";
}

std::string ScriptRunner::SaveSvg(const Words& words) {
  const Document* document = session_.emulator().document();
  if (document == nullptr)
    return "no document is open";
  const WriteResult result = WriteSvg(*document, words[1], {});
  return result.error;
}

std::string ScriptRunner::Screenshot(const Words& words) {
  PumpMessages(300);
  const RECT area = WindowWithOwnedWindows(session_.window().handle());
  return CaptureScreen(area, Wide(words[1])) ? std::string() : "cannot write " + words[1];
}

std::string ScriptRunner::Wait(const Words& words) {
  int milliseconds = 0;
  if (!ParseCount(words[1], milliseconds) || milliseconds < 0)
    return "the time must be a number of milliseconds";
  PumpMessages(static_cast<DWORD>(milliseconds));
  return {};
}

std::string ScriptRunner::Shutdown(const Words&) {
  shutDown_ = true;
  return session_.Shutdown();
}

void PumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (milliseconds > 0)
      Sleep(10);
  } while (GetTickCount() - start < milliseconds);
}

}  // namespace emulator
