// barquill-host and its Win32 side: the plug-in's menus as a real menu bar with check marks, and
// the program run on a script, whose saved symbol must be the one the portable form makes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "emulator/emulator.h"
#include "emulator/svg_writer.h"
#include "emulator/win32/host_session.h"
#include "emulator/win32/menu_bar.h"
#include "host/suite_acquisition.h"
#include "panels/medical128_form.h"
#include "tests/win32/win32_test_support.h"

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const std::wstring program(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return program.substr(0, program.find_last_of(L"\\/") + 1);
}

std::wstring TemporaryFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

std::string ReadAll(const std::wstring& path) {
  std::ifstream in(win32_test::Utf8(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string MenuText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return win32_test::Utf8(text);
}

// Runs barquill-host on the script; its exit status, with what it wrote to stderr.
struct HostRun {
  DWORD status = 0xFFFFFFFF;
  std::string errors;
};
HostRun RunHost(const std::string& script) {
  const std::wstring scriptPath = TemporaryFile(L"barquill_test_script.txt");
  const std::wstring errorPath = TemporaryFile(L"barquill_test_errors.txt");
  std::ofstream(win32_test::Utf8(scriptPath), std::ios::binary) << script;

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE errors = CreateFileW(errorPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = errors;
  std::wstring commandLine =
      L"\"" + ProgramFolder() + L"barquill-host.exe\" --script \"" + scriptPath + L"\"";
  PROCESS_INFORMATION process{};
  HostRun run;
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &startup, &process)) {
    WaitForSingleObject(process.hProcess, 120000);
    GetExitCodeProcess(process.hProcess, &run.status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(errors);
  run.errors = ReadAll(errorPath);
  return run;
}

// A symbol drawn as rectangles, read back from an SVG file: its modules left to right ('1' dark,
// '0' light, quiet zones included), the height of its bars, and its texts.
struct Modules {
  std::string pattern;
  double barHeight = 0;
  std::vector<std::string> texts;
};

Modules ReadModules(const std::string& svg) {
  struct Box {
    double left, right, top, bottom;
    bool dark;
  };
  std::vector<Box> boxes;
  // A rectangle is written from its first corner along the axes: M x y H x V y H x Z, a number
  // that follows another separated by a space or by its own minus sign; black is not written.
  const std::string number = R"re((-?[\d.]+(?:e[-+]?\d+)?))re";
  const std::regex path("<path d=\"M" + number + " ?" + number + "H" + number + "V" + number + "H" +
                        number + R"re(Z"(?: fill="#([0-9a-f]{6})")?/>)re");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator();
       ++it) {
    const auto& match = *it;
    const double xs[] = {std::stod(match[1]), std::stod(match[3]), std::stod(match[5])};
    const double ys[] = {std::stod(match[2]), std::stod(match[4])};
    boxes.push_back({*std::min_element(xs, xs + 3), *std::max_element(xs, xs + 3),
                     *std::min_element(ys, ys + 2), *std::max_element(ys, ys + 2),
                     !match[6].matched || match[6] == "000000"});
  }
  Modules modules;
  if (boxes.empty())
    return modules;
  std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.left < b.left; });
  double module = 1e9;
  for (const Box& box : boxes) {
    if (box.dark)
      module = std::min(module, box.right - box.left);
  }
  for (const Box& box : boxes) {
    const auto count = static_cast<size_t>(std::lround((box.right - box.left) / module));
    modules.pattern += std::string(count, box.dark ? '1' : '0');
    if (box.dark)
      modules.barHeight = std::max(modules.barHeight, box.bottom - box.top);
  }
  const std::regex text(R"re(<text [^>]*>([^<]*)</text>)re");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator();
       ++it) {
    modules.texts.push_back((*it)[1]);
  }
  return modules;
}

// The symbol the portable form makes from the same texts, in a document of its own.
Modules PortableFormModules(const std::wstring& svgPath) {
  emulator::Emulator emulator;
  emulator.NewDocument();
  {
    const host::ScopedSuites suites(emulator.basic());
    panels::Medical128Form form;
    form.productCode = "1234567890123";
    form.height = "17";
    EXPECT_EQ(form.CreateMedical128().outcome, panels::Medical128Outcome::kCreated);
  }
  EXPECT_TRUE(emulator::WriteSvg(*emulator.document(), win32_test::Utf8(svgPath), {}).ok());
  return ReadModules(ReadAll(svgPath));
}

TEST(BarquillHost, ShowsThePluginMenusWithCheckMarksThatFollowThePanels) {
  emulator::HostSession session({emulator::PluginBesideProgram()});
  ASSERT_EQ(session.Start(), "");
  HWND window = session.window().handle();
  HMENU bar = GetMenu(window);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 1), "&Window");
  HMENU windowMenu = GetSubMenu(bar, 1);
  ASSERT_EQ(GetMenuItemCount(windowMenu), 1);
  EXPECT_EQ(MenuText(windowMenu, 0), "Barquill");
  HMENU barquill = GetSubMenu(windowMenu, 0);
  ASSERT_NE(barquill, nullptr);
  ASSERT_EQ(GetMenuItemCount(barquill), 3);
  EXPECT_EQ(MenuText(barquill, 0), "医療用GS1-128");
  EXPECT_EQ(MenuText(barquill, 1), "GS1DataBar");
  EXPECT_EQ(MenuText(barquill, 2), "GS1DataBar Expanded");

  const auto checked = [&](int position) {
    SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(barquill), 0);
    return (GetMenuState(barquill, position, MF_BYPOSITION) & MF_CHECKED) != 0;
  };
  const auto choose = [&](int position) {
    SendMessageW(window, WM_COMMAND, GetMenuItemID(barquill, position), 0);
  };
  HWND frame = session.panelFrames().FrameOf(session.PanelWindow("Medical128"));
  EXPECT_TRUE(checked(0));
  EXPECT_TRUE(IsWindowVisible(frame));
  choose(0);
  EXPECT_FALSE(checked(0));
  EXPECT_FALSE(IsWindowVisible(frame));
  choose(0);
  EXPECT_TRUE(checked(0));
  EXPECT_TRUE(IsWindowVisible(frame));
  // The panels not in this build toggle nothing.
  choose(1);
  EXPECT_FALSE(checked(1));
  EXPECT_TRUE(checked(0));

  EXPECT_EQ(session.Shutdown(), "");
}

TEST(BarquillHost, ScriptMakesTheSymbolThePortableFormMakes) {
  const std::wstring hostSvg = TemporaryFile(L"barquill_host_symbol.svg");
  DeleteFileW(hostSvg.c_str());
  const HostRun run = RunHost(
      "# The GS1-128 panel's first edge case\n"
      "panel Medical128\n"
      "menu 医療用GS1-128\n"
      "expect-shown Medical128 no\n"
      "expect-checked 医療用GS1-128 no\n"
      "menu 医療用GS1-128\n"
      "expect-shown Medical128 yes\n"
      "set 5 1234567890123\n"
      "expect-text 6 1\n"
      "set 10 17\n"
      "click 1\n"
      "expect-no-alert\n"
      "expect-text 10 17.000\n"
      "expect-symbols 1\n"
      "save-svg \"" +
      win32_test::Utf8(hostSvg) +
      "\"\n"
      "shutdown\n");
  ASSERT_EQ(run.status, 0u) << run.errors;

  const Modules fromHost = ReadModules(ReadAll(hostSvg));
  const Modules fromForm = PortableFormModules(TemporaryFile(L"barquill_form_symbol.svg"));
  ASSERT_FALSE(fromHost.pattern.empty());
  EXPECT_EQ(fromHost.pattern, fromForm.pattern);
  EXPECT_DOUBLE_EQ(fromHost.barHeight, fromForm.barHeight);
  EXPECT_EQ(fromHost.texts, fromForm.texts);
  // 134 modules between quiet zones of 10, as zint also encodes (01)12345678901231.
  const std::string quietZone(10, '0');
  EXPECT_EQ(fromHost.pattern,
            quietZone +
                "11010011100111101011101100110110010110011100100010110001110001011011000010100110"
                "111101101011001110011011000110100001100101100011101011" +
                quietZone);
  EXPECT_NEAR(fromHost.barHeight, 17 / 25.4 * 72, 0.01);
  EXPECT_EQ(fromHost.texts, std::vector<std::string>{"(01)12345678901231"});
}

TEST(BarquillHost, ScriptReportsTheLineThatFailed) {
  const HostRun run = RunHost(
      "panel Medical128\n"
      "set 5 123\n"
      "click 1\n"
      "expect-alert \"something else\"\n");
  EXPECT_EQ(run.status, 1u);
  EXPECT_NE(
      run.errors.find("line 4: the alert is \"【商品コード】は数字13桁で入力してください。\""),
      std::string::npos)
      << run.errors;

  EXPECT_EQ(RunHost("frobnicate 1\n").status, 1u);
}

}  // namespace
