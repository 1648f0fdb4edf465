#include "tests/win32/win32_test_support.h"

#include <gtest/gtest.h>

#include <sstream>

#include "emulator/win32/script_runner.h"
#include "host/utf.h"

namespace win32_test {

std::wstring Wide(std::string_view utf8) {
  const std::u16string units = host::Utf8ToUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

std::string Utf8(std::wstring_view wide) {
  return host::Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

std::string TextOf(HWND control) {
  wchar_t text[512] = {};
  return Utf8(std::wstring_view(text, GetWindowTextW(control, text, 512)));
}

HWND EditPartOf(HWND control) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(control, &info) && info.hwndItem != nullptr)
    return info.hwndItem;
  return control;
}

void Type(HWND control, std::string_view utf8) {
  SendMessageW(EditPartOf(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(utf8).c_str()));
  emulator::PumpMessages();
}

void Click(HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);
  emulator::PumpMessages();
}

void Choose(HWND list, int entry) {
  SendMessageW(list, CB_SETCURSEL, entry, 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

size_t SymbolCount(emulator::HostSession& session) {
  const emulator::Document* document = session.emulator().document();
  return document != nullptr ? document->group().children.size() : 0;
}

std::vector<std::string> ClickForAlerts(emulator::HostSession& session, HWND button) {
  const size_t before = session.emulator().alerts().size();
  Click(button);
  EXPECT_EQ(session.balance().CheckAfterAction(), "");
  const auto& alerts = session.emulator().alerts();
  return std::vector<std::string>(alerts.begin() + before, alerts.end());
}

bool HasFocus(HWND control) {
  HWND focus = GetFocus();
  return focus != nullptr && (focus == control || IsChild(control, focus));
}

namespace {

void Describe(const emulator::Art& art, std::ostringstream& out) {
  switch (art.kind) {
    case emulator::ArtKind::kTextFrame:
      out << "text " << Utf8(std::wstring(art.text.text.begin(), art.text.text.end())) << " at "
          << art.text.anchor.h << "," << art.text.anchor.v << " " << art.text.size << " "
          << art.text.requestedFont << "\n";
      return;
    case emulator::ArtKind::kPath:
      for (const host::PathSegment& segment : art.path.segments)
        out << segment.p.h << "," << segment.p.v << " ";
      out << "grey " << art.path.style.fill.colour.components[0] << "\n";
      return;
    case emulator::ArtKind::kGroup:
    case emulator::ArtKind::kCompoundPath:
      out << "{\n";
      for (const auto& child : art.children)
        Describe(*child, out);
      out << "}\n";
      return;
  }
}

}  // namespace

std::string Describe(const emulator::Art& art) {
  std::ostringstream out;
  Describe(art, out);
  return out.str();
}

}  // namespace win32_test
