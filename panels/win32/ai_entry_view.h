// The Expanded panel's AI entry view: eight rows, each with a list choosing the row's place in
// the element string, then the AI ((01), (17), (30) and (10) fixed, four rows free) and its data,
// with the item number's check digit, the clear button and the buttons that accept or cancel the
// rows. What the rows mean, their checks and the element string they make belong to ai_entry.h;
// this view moves the rows between the controls and that data.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "panels/ai_entry.h"
#include "panels/win32/panel_shell.h"

namespace panels {

// The identifiers of the view's controls. Every order list shares one, as every free AI field
// does; the clear button shares the main view's.
enum AiEntryControlId : int {
  kAiEntryItemNumber = 5,
  kAiEntryCheckDigit = 6,
  kAiEntryClear = 13,
  kAiEntryAccept = 101,
  kAiEntryCancel = 102,
  kAiEntryOrder = 103,
  kAiEntryFreeAi = 104,
};

class AiEntryView {
 public:
  AiEntryView() = default;
  AiEntryView(const AiEntryView&) = delete;
  AiEntryView& operator=(const AiEntryView&) = delete;

  // The view's controls, top to bottom. The panel makes them and this object keeps their
  // windows through the entries' slots.
  std::vector<ControlEntry> Layout();
  // Gives the order lists their entries once they exist: none, then 1 to 8.
  void FillOrderLists();

  AiEntryRows ReadRows() const;
  // Shows the rows, each row's fields enabled as its order says.
  void WriteRows(const AiEntryRows& rows);

  // The row whose order list this is, or -1.
  int RowOfOrderList(HWND list) const;
  // Enables the row's AI and data fields while its order list has an order chosen.
  void EnableRow(int row);
  // Shows the check digit of the item number while it is 13 digits, else nothing.
  void RefreshCheckDigit();

  // The control a failed check of the row names, or null.
  HWND ControlOf(int row, AiEntryControl control) const;
  // The first field the user can type into, in the order of the rows; null when every row is
  // without an order.
  HWND FirstEnabledField() const;

 private:
  struct Row {
    HWND order = nullptr;
    HWND ai = nullptr;  // the free rows only
    HWND data = nullptr;
  };

  std::array<Row, kAiEntryRowCount> rows_{};
  HWND checkDigit_ = nullptr;
};

}  // namespace panels
