// The application identifiers the Expanded panel accepts, with the length and character rules of
// their data.
#pragma once

#include <array>
#include <string_view>

namespace panels {

struct AiTableRow {
  // The AI, or a prefix of it when shorter than aiDigits: "310" stands for 3100 to 3109.
  std::string_view ai;
  bool variableLength;  // the data may be shorter than the maximum; FNC1 follows it
  bool alphanumeric;    // false: digits only
  int aiDigits;
  int maxLength;  // AI digits plus data characters
};

inline constexpr int kAiTableRowCount = 99;

extern const std::array<AiTableRow, kAiTableRowCount> AiTable;

// The first row among those with as many AI digits as `ai` that the AI matches, exactly or by
// prefix; null when none does.
const AiTableRow* FindAiRow(std::string_view ai);

}  // namespace panels
