// One control of a panel's layout table: how to make it, where the panel keeps it, what the
// keyboard may put into it, the bitmap it shows and whether Tab reaches it through the ring.
#pragma once

#include <windows.h>

#include "panels/win32/panel_shell.h"

namespace panels {

struct ControlEntry {
  ControlSpec spec;
  HWND* slot = nullptr;          // where the panel keeps the control, or null
  int textLimit = 0;             // characters an edit field takes from the keyboard; 0: no limit
  const char* bitmap = nullptr;  // the 'BMPI' resource a bitmap button shows
  bool inTabRing = false;
};

}  // namespace panels
