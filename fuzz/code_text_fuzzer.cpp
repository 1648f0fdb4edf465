// The Expanded panel's element string and its AI entry view: ParseCodeText with any text, the
// view opened on that text and accepted again, and the view's row checks with any rows. What the
// parser accepts fits its buffers; a refusal leaves nothing parsed; whatever the view accepts the
// code field parses again (unless it repeats an AI, which only the parser refuses), to the same
// encoder text and lines where the view was opened on it (but for a wrong check digit of (01),
// which the view shows computed and so gives back right).
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "databar/item_number.h"
#include "fuzz/check.h"
#include "fuzz/input_fields.h"
#include "panels/ai_entry.h"
#include "panels/element_string.h"

namespace {

using panels::ParsedCode;

bool IsEmpty(const ParsedCode& parsed) {
  if (parsed.fieldCount != 0 || parsed.encoderText[0] != '\0')
    return false;
  for (const auto& line : parsed.fieldStrings) {
    if (line[0] != '\0')
      return false;
  }
  return true;
}

bool SameCode(const ParsedCode& a, const ParsedCode& b) {
  if (a.EncoderText() != b.EncoderText() || a.fieldCount != b.fieldCount)
    return false;
  for (int i = 0; i < a.fieldCount; ++i) {
    if (a.FieldString(i) != b.FieldString(i))
      return false;
  }
  return true;
}

// Parses and checks what a successful parse promises; returns whether it succeeded.
bool Parse(std::string_view text, ParsedCode& parsed) {
  const panels::ParseResult result = panels::ParseCodeText(text, parsed);
  if (!result.ok) {
    FUZZ_CHECK(!result.message.empty());
    FUZZ_CHECK(IsEmpty(parsed));
    return false;
  }
  FUZZ_CHECK(parsed.fieldCount >= 0 && parsed.fieldCount <= panels::kFieldStringCount);
  FUZZ_CHECK(parsed.EncoderText().size() <= panels::kMaxEncoderTextLength);
  FUZZ_CHECK(text.empty() == (parsed.fieldCount == 0));
  for (int i = 0; i < parsed.fieldCount; ++i) {
    const std::string_view line = parsed.FieldString(i);
    FUZZ_CHECK(line.size() >= 4 && line.front() == '(' && line.find(')') != std::string_view::npos);
    // The line's AI passes the element checks with the line's data.
    const size_t close = line.find(')');
    const std::string_view ai = line.substr(1, close - 1);
    FUZZ_CHECK(panels::CheckElement(ai, line.substr(close + 1)).fault ==
               panels::ElementFault::kNone);
  }
  return true;
}

// Whether the parsed (01) has 14 digits whose last is not their check digit.
bool HasWrongItemCheckDigit(const ParsedCode& parsed) {
  for (int i = 0; i < parsed.fieldCount; ++i) {
    const std::string_view line = parsed.FieldString(i);
    if (line.starts_with("(01)") && line.size() == 18) {
      const std::string digits(line.substr(4, 13));
      if (line.back() != static_cast<char>('0' + databar::ComputeCheckDigit(digits.c_str())))
        return true;
    }
  }
  return false;
}

// Whether two rows with an order name the same AI, which the view leaves to the code field's
// parser to refuse.
bool HasRepeatedAi(const panels::AiEntryRows& rows) {
  std::set<std::string> ais;
  for (int r = 0; r < panels::kAiEntryRowCount; ++r) {
    if (rows[r].order < 1 || rows[r].order > panels::kAiEntryRowCount)
      continue;
    const std::string ai(r < panels::kFixedAiRowCount ? panels::kFixedRowAis[r] : rows[r].ai);
    if (!ais.insert(ai).second)
      return true;
  }
  return false;
}

// The code the view accepts must pass the code field's parser, but for a repeated AI.
void CheckAccepted(const panels::AiEntryRows& rows, const ParsedCode* opened) {
  const panels::AcceptAiEntryResult accepted = panels::AcceptAiEntry(rows);
  if (!accepted.ok) {
    FUZZ_CHECK(!accepted.message.empty());
    FUZZ_CHECK(accepted.row >= -1 && accepted.row < panels::kAiEntryRowCount);
    return;
  }
  FUZZ_CHECK(accepted.code.size() <= static_cast<size_t>(panels::kMaxCodeLength));
  ParsedCode reparsed;
  const bool parses = Parse(accepted.code, reparsed);
  FUZZ_CHECK(parses || HasRepeatedAi(rows));
  if (opened != nullptr)
    FUZZ_CHECK(parses && SameCode(*opened, reparsed));
}

void OpenAndAccept(std::string_view code) {
  ParsedCode parsed;
  const bool parses = Parse(code, parsed);
  const panels::OpenAiEntryResult opened = panels::OpenAiEntry(code);
  if (!parses) {
    FUZZ_CHECK(!opened.ok);
    return;
  }
  if (!opened.ok)
    return;  // more groups than the view has rows
  CheckAccepted(opened.rows, code.empty() || HasWrongItemCheckDigit(parsed) ? nullptr : &parsed);
}

panels::AiEntryRows ReadRows(fuzz::InputFields& in) {
  panels::AiEntryRows rows;
  for (panels::AiEntryRow& row : rows) {
    row.order = in.Int(0);
    row.ai = in.Text();
    row.data = in.Text();
  }
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputFields in(data, size);
  OpenAndAccept(in.Text());
  const panels::AiEntryRows rows = ReadRows(in);
  CheckAccepted(rows, nullptr);
  return 0;
}
