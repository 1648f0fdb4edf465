// The AI entry view of the Expanded panel as data: eight rows, each with an order (its place in
// the element string), an AI and its data. Rows 0-3 hold the fixed AIs 01, 17, 30 and 10; rows 4-7
// take any other AI typed into their AI field. The Win32 view copies its controls to and from
// these rows.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace panels {

inline constexpr int kAiEntryRowCount = 8;
inline constexpr int kFixedAiRowCount = 4;
inline constexpr std::array<std::string_view, kFixedAiRowCount> kFixedRowAis = {"01", "17", "30",
                                                                                "10"};

struct AiEntryRow {
  int order = 0;     // 0: no order chosen, else 1 to 8
  std::string ai;    // the free rows' AI field
  std::string data;  // (01): the 13 digits without the check digit
};

using AiEntryRows = std::array<AiEntryRow, kAiEntryRowCount>;

// The view's cleared state: (01) first, (17) second, (10) fourth, all fields empty.
AiEntryRows ClearedAiEntryRows();

struct OpenAiEntryResult {
  bool ok = true;
  std::string message;  // the alert when !ok; the view then stays hidden
  AiEntryRows rows;
};

// The rows for the code field's text: the cleared rows for an empty text, else one row per group
// in the order of the groups. Fails with the parser's message, or when the groups do not fit
// the rows.
OpenAiEntryResult OpenAiEntry(std::string_view code);

// The control that a failed AcceptAiEntry asks to focus in its row.
enum class AiEntryControl { kNone, kOrder, kAi, kData };

struct AcceptAiEntryResult {
  bool ok = true;
  std::string message;  // the alert when !ok
  int row = -1;         // the row of the failure, -1 for none
  AiEntryControl focus = AiEntryControl::kNone;
  std::string code;  // the element string for the code field when ok
};

// Checks the ordered rows and joins them, in order, into an element string of at most 70
// characters with the data's parentheses escaped. Each row passes the panel's rules and then the
// GS1 data checks, alone and beside the rows before it; a fault focuses the row's data field.
AcceptAiEntryResult AcceptAiEntry(const AiEntryRows& rows);

}  // namespace panels
