// The host's script language: one command per line, its words separated by blanks. A word with
// blanks is written in double quotes, and a quote inside quotes is doubled. Blank lines and lines
// whose first word begins with '#' are skipped. Scripts are UTF-8.
//
//   new-document [H V]          a new empty document, its view centred at (H, V)
//   close-document              no document is open afterwards
//   menu TEXT                   chooses the plug-in's menu item with that text
//   open PANEL | close PANEL    shows or hides the panel with that identifier, as the host does
//   flyout PANEL ITEM           opens the panel's flyout menu and chooses the item's number
//   panel PANEL                 the panel the control commands below act on
//   set ID TEXT                 types TEXT into the control (a list's edit part for a list)
//   select ID INDEX             chooses the entry of a list, as the user does
//   click ID                    clicks the button
//   tab ID | shift-tab ID       presses Tab (Shift+Tab) in the control
//   expect-text ID TEXT         the control shows TEXT
//   expect-focus ID             the control (or its edit part) has the focus
//   expect-alert TEXT           the next alert not yet expected says TEXT
//   expect-no-alert             every alert shown has been expected
//   expect-shown PANEL yes|no   whether the panel is shown
//   expect-checked TEXT yes|no  whether the menu item with that text is checked
//   expect-symbols N            the document holds N symbols
//   save-svg PATH               writes the document as SVG
//   screenshot PATH             writes the host window and its panels as a PNG file
//   wait MS                     lets the windows work for MS milliseconds
//   shutdown                    shuts the plug-in down
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace emulator {

struct ScriptLine {
  int number = 0;  // 1-based
  std::vector<std::string> words;
};

struct ParsedScript {
  std::vector<ScriptLine> lines;
  std::string error;  // empty when the whole script parsed
};

ParsedScript ParseScript(std::string_view text);

}  // namespace emulator
