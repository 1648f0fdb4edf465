// The length fields of the two DataBar panels, each with the static showing its minimum beside
// it: laid out from a table of rows that name each field and the length it holds, and moved
// between the controls and the form's length and minimum texts.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "panels/databar_form.h"
#include "panels/win32/panel_shell.h"

namespace panels {

// The rows in the order both panels show them, which is also the order their settings records
// keep the lengths in. The Expanded panel has no second row height.
enum LengthRow : size_t {
  kModuleWidthRow,
  kHeightRow,
  kSeparatorHeightRow,
  kCompositeRowHeightRow,
  kStackedSeparatorHeightRow,  // the first of the block that only the stacked types use
  kSecondRowHeightRow,
};

// One length field: its identifier, the length it holds, and its label and place in the layout.
struct LengthFieldRow {
  int id;
  std::string DataBarLengthTexts::*text;
  const char* label;
  int labelX;
  int labelWidth;
  int y;                     // of the field; the label, "≧" and the minimum sit 4 lower
  bool showsMinimum = true;  // false: the row has no "≧" and no minimum
};

class LengthFields {
 public:
  // The rows outlive the object (a panel's constant table).
  explicit LengthFields(std::span<const LengthFieldRow> rows);
  LengthFields(const LengthFields&) = delete;
  LengthFields& operator=(const LengthFields&) = delete;

  size_t size() const { return rows_.size(); }

  // Appends the layout of the rows from `first` up to `end`: for each its label, the field (in
  // the tab ring), and "≧" and the static showing its minimum where the row has one.
  void AppendLayout(std::vector<ControlEntry>& entries, size_t first, size_t end);

  void Read(DataBarLengthTexts& lengths, DataBarLengthTexts& minimums) const;
  void WriteLengths(const DataBarLengthTexts& lengths) const;
  void WriteMinimums(const DataBarLengthTexts& minimums) const;
  // Enables or disables the fields of the rows from `first` up to `end`.
  void Enable(size_t first, size_t end, bool enabled) const;
  HWND FieldOf(size_t row) const { return controls_[row].field; }

 private:
  struct Controls {
    HWND field = nullptr;
    HWND minimum = nullptr;
  };

  std::span<const LengthFieldRow> rows_;
  std::vector<Controls> controls_;  // one per row, never resized: the layout points into it
};

}  // namespace panels
