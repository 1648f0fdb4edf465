#include "panels/win32/ai_entry_view.h"

#include <string>

#include "databar/item_number.h"
#include "panels/character_rules.h"
#include "panels/win32/control_values.h"

namespace panels {

namespace {

constexpr int kRowPitch = 25;  // row r (1 to 8) has its top at 25 r
constexpr int kItemNumberDigits = 13;
constexpr int kFreeAiCharacters = 4;
constexpr int kFreeDataCharacters = 30;
constexpr int kOrderEntries = 1 + kAiEntryRowCount;  // none, then 1 to 8

constexpr DWORD kEditStyle = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

// The label and data field of the rows whose AI is fixed.
struct FixedRowLayout {
  const char* label;
  int dataId;
  int dataWidth;
  int dataCharacters;
};

constexpr FixedRowLayout kFixedRows[kFixedAiRowCount] = {
    {"(01)", kAiEntryItemNumber, 90, kItemNumberDigits},
    {"(17)", 0, 50, 6},
    {"(30)", 0, 58, 8},
    {"(10)", 0, 140, 20},
};

}  // namespace

std::vector<ControlEntry> AiEntryView::Layout() {
  using enum ControlRole;
  std::vector<ControlEntry> entries = {
      {{L"STATIC", "順番", 0, 10, 8, 35, 14, SS_CENTER, kLabel}},
      {{L"STATIC", "AI", 0, 45, 8, 40, 14, SS_CENTER, kLabel}},
      {{L"STATIC", "ﾃﾞｰﾀ", 0, 85, 8, 205, 14, SS_LEFT, kLabel}},
  };
  for (int r = 0; r < kAiEntryRowCount; ++r) {
    const int y = kRowPitch * (r + 1);
    Row& row = rows_[r];
    entries.push_back(
        {{L"COMBOBOX", nullptr, kAiEntryOrder, 10, y - 1, 35, DroppedHeight(20, kOrderEntries),
          CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, kField},
         &row.order});
    if (r < kFixedAiRowCount) {
      const FixedRowLayout& fixed = kFixedRows[r];
      entries.push_back({{L"STATIC", fixed.label, 0, 45, y + 3, 40, 14, SS_CENTER, kLabel}});
      entries.push_back(
          {{L"EDIT", nullptr, fixed.dataId, 85, y, fixed.dataWidth, 20, kEditStyle, kField},
           &row.data,
           fixed.dataCharacters,
           nullptr,
           true});
    } else {
      entries.push_back({{L"EDIT", nullptr, kAiEntryFreeAi, 45, y, 40, 20, kEditStyle, kField},
                         &row.ai,
                         kFreeAiCharacters,
                         nullptr,
                         true});
      entries.push_back({{L"EDIT", nullptr, 0, 85, y, 205, 20, kEditStyle, kField},
                         &row.data,
                         kFreeDataCharacters,
                         nullptr,
                         true});
    }
    if (r == 0) {
      entries.push_back({{L"STATIC", nullptr, kAiEntryCheckDigit, 178, y + 1, 20, 18,
                          SS_CENTER | SS_SUNKEN, kResult},
                         &checkDigit_});
      entries.push_back(
          {{L"BUTTON", nullptr, kAiEntryClear, 203, y + 1, 18, 18, BS_OWNERDRAW, kBitmapButton},
           nullptr,
           0,
           "bmpClear"});
    }
  }
  entries.push_back(
      {{L"BUTTON", "確定", kAiEntryAccept, 167, 230, 60, 21, BS_OWNERDRAW, kPushButton}});
  entries.push_back(
      {{L"BUTTON", "ｷｬﾝｾﾙ", kAiEntryCancel, 230, 230, 60, 21, BS_OWNERDRAW, kPushButton}});
  return entries;
}

void AiEntryView::FillOrderLists() {
  for (const Row& row : rows_)
    AddListItems(row.order, {" ", "1", "2", "3", "4", "5", "6", "7", "8"});
}

AiEntryRows AiEntryView::ReadRows() const {
  AiEntryRows rows;
  for (int r = 0; r < kAiEntryRowCount; ++r) {
    const Row& row = rows_[r];
    const auto entry = static_cast<int>(SendMessageW(row.order, CB_GETCURSEL, 0, 0));
    rows[r].order = entry > 0 ? entry : 0;
    if (row.ai != nullptr)
      rows[r].ai = ReadText(row.ai, kFieldReadLimit);
    rows[r].data = ReadText(row.data, kFieldReadLimit);
  }
  return rows;
}

void AiEntryView::WriteRows(const AiEntryRows& rows) {
  for (int r = 0; r < kAiEntryRowCount; ++r) {
    const Row& row = rows_[r];
    SendMessageW(row.order, CB_SETCURSEL, rows[r].order, 0);
    if (row.ai != nullptr)
      WriteIfChanged(row.ai, rows[r].ai);
    WriteIfChanged(row.data, rows[r].data);
    EnableRow(r);
  }
  RefreshCheckDigit();
}

int AiEntryView::RowOfOrderList(HWND list) const {
  for (int r = 0; r < kAiEntryRowCount; ++r) {
    if (rows_[r].order == list)
      return r;
  }
  return -1;
}

void AiEntryView::EnableRow(int row) {
  const Row& controls = rows_[row];
  const BOOL ordered = SendMessageW(controls.order, CB_GETCURSEL, 0, 0) > 0;
  if (controls.ai != nullptr)
    EnableWindow(controls.ai, ordered);
  EnableWindow(controls.data, ordered);
}

void AiEntryView::RefreshCheckDigit() {
  const std::string itemNumber = ReadText(rows_[0].data, kFieldReadLimit);
  std::string checkDigit;
  if (itemNumber.size() == kItemNumberDigits && IsDigits(itemNumber))
    checkDigit = std::to_string(databar::ComputeCheckDigit(itemNumber.c_str()));
  WriteIfChanged(checkDigit_, checkDigit);
}

HWND AiEntryView::ControlOf(int row, AiEntryControl control) const {
  if (row < 0 || row >= kAiEntryRowCount)
    return nullptr;
  switch (control) {
    case AiEntryControl::kOrder:
      return rows_[row].order;
    case AiEntryControl::kAi:
      return rows_[row].ai != nullptr ? rows_[row].ai : rows_[row].data;
    case AiEntryControl::kData:
      return rows_[row].data;
    case AiEntryControl::kNone:
      break;
  }
  return nullptr;
}

HWND AiEntryView::FirstEnabledField() const {
  for (const Row& row : rows_) {
    HWND first = row.ai != nullptr ? row.ai : row.data;
    if (IsWindowEnabled(first))
      return first;
  }
  return nullptr;
}

}  // namespace panels
