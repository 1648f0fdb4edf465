// The element string of the Expanded panel: "(AI)data" groups typed with parentheses, checked
// against the AI table and turned into the encoder's text and the human-readable lines.
#pragma once

#include <string>
#include <string_view>

#include "panels/ai_table.h"

namespace panels {

inline constexpr int kMaxCodeLength = 70;  // the code field
inline constexpr int kMaxEncoderTextLength = 70;
inline constexpr int kFieldStringCount = 15;
// One human-readable line, "(AI)data": a 4-digit AI and the longest data fit.
inline constexpr int kMaxAiDataLength = 29;
inline constexpr int kFieldStringLength = 1 + 4 + 1 + kMaxAiDataLength;

// The parsed element string: the encoder text (AIs and data without parentheses, '#' for FNC1
// after a variable-length field that another follows) and one "(AI)data" line per group.
struct ParsedCode {
  char encoderText[kMaxEncoderTextLength + 1] = {};
  char fieldStrings[kFieldStringCount][kFieldStringLength + 1] = {};
  int fieldCount = 0;

  std::string_view EncoderText() const { return encoderText; }
  std::string_view FieldString(int index) const { return fieldStrings[index]; }
};

struct ParseResult {
  bool ok = true;
  std::string message;  // the alert text when !ok
};

// Which part of a group a failed check blames.
enum class ElementFault { kNone, kAi, kData };

struct ElementCheck {
  ElementFault fault = ElementFault::kNone;
  std::string message;
  const AiTableRow* row = nullptr;  // set when the check passed
};

// The checks one (AI, data) group must pass, data unescaped: an AI of digits found in the AI
// table, and data of the row's length and characters.
ElementCheck CheckElement(std::string_view ai, std::string_view data);

// Parses `text` into `parsed`, which is left empty on failure; an empty text yields an empty
// result. In the encoder text FNC1 follows a field that another follows when its data may be
// shorter than the maximum, or when its AI is not one of those whose length every reader knows
// (such as 8005). In the data "\(" and "\)" stand for the parentheses themselves; any other '\' is
// refused. An AI may occur once. The data is kept as typed: a wrong check digit of (01) is left
// for the GS1 data checks to refuse, never replaced. A NUL character is refused as invalid data.
ParseResult ParseCodeText(std::string_view text, ParsedCode& parsed);

}  // namespace panels
