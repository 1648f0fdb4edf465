#include "panels/element_string.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "panels/character_rules.h"
#include "panels/messages.h"

namespace panels {
namespace {

bool DataLengthFits(const AiTableRow& row, int dataLength) {
  const int maxData = row.maxLength - row.aiDigits;
  return row.variableLength ? dataLength >= 1 && dataLength <= maxData : dataLength == maxData;
}

ElementCheck Fail(ElementFault fault, std::string message) {
  return {fault, std::move(message)};
}

// Whether a reader knows where the AI's data ends without an FNC1: the AIs whose first two
// digits are among these have data of one length known to every reader. After the data of any
// other AI, fixed-length ones such as 8005 included, FNC1 must follow when another field does.
bool HasPredefinedLength(std::string_view ai) {
  static constexpr std::string_view kPrefixes[] = {"00", "01", "02", "03", "04", "11", "12", "13",
                                                   "14", "15", "16", "17", "18", "19", "20", "31",
                                                   "32", "33", "34", "35", "36", "41"};
  return std::find(std::begin(kPrefixes), std::end(kPrefixes), ai.substr(0, 2)) !=
         std::end(kPrefixes);
}

// Appends the pieces to the NUL-terminated `buffer` of `capacity` characters; false, with none
// of them appended, when they would not all fit.
bool AppendBounded(char* buffer, size_t capacity, std::initializer_list<std::string_view> pieces) {
  size_t length = std::strlen(buffer);
  size_t total = length;
  for (const std::string_view piece : pieces)
    total += piece.size();
  if (total > capacity) {
    return false;
  }
  for (const std::string_view piece : pieces)
    length += piece.copy(buffer + length, piece.size());
  buffer[length] = '\0';
  return true;
}

class CodeParser {
 public:
  explicit CodeParser(ParsedCode& parsed) : parsed_(parsed) {}

  ParseResult Run(std::string_view text) {
    parsed_ = ParsedCode{};
    if (text.empty()) {
      return {};
    }
    if (text.front() != '(') {
      return Failed(kMsgNoAi.japanese);
    }
    for (size_t i = 0; i < text.size(); ++i) {
      char c = text[i];
      // The encoder text and the lines end at a NUL: one inside the text would cut its data off.
      if (c == '\0') {
        return Failed(kMsgInvalidCodeData.japanese);
      }
      if (c == '(') {
        if (!CloseGroup(true)) {
          return result_;
        }
        inGroup_ = true;
        readingAi_ = true;
        continue;
      }
      if (c == ')') {
        // A parenthesis of the data must be escaped; a bare one after the AI is refused rather
        // than dropped.
        if (!readingAi_) {
          return Failed(kMsgInvalidCodeData.japanese);
        }
        readingAi_ = false;
        continue;
      }
      if (c == '\\') {
        if (i + 1 == text.size() || (text[i + 1] != '(' && text[i + 1] != ')')) {
          return Failed(kMsgInvalidCodeData.japanese);
        }
        c = text[++i];
      }
      if (!AddCharacter(c)) {
        return result_;
      }
    }
    CloseGroup(false);
    return result_;
  }

 private:
  ParseResult& Failed(std::string message) {
    parsed_ = ParsedCode{};
    result_ = {false, std::move(message)};
    return result_;
  }

  bool AddCharacter(char c) {
    if (readingAi_) {
      ai_ += c;
      return true;
    }
    data_ += c;
    if (static_cast<int>(data_.size()) > kMaxAiDataLength) {
      Failed(WithAi(kMsgInvalidAiData, ai_));
      return false;
    }
    return true;
  }

  // Checks the group read so far and appends it to the encoder text and the lines.
  bool CloseGroup(bool anotherFollows) {
    if (!inGroup_) {
      return true;
    }
    const ElementCheck check = CheckElement(ai_, data_);
    if (check.fault != ElementFault::kNone) {
      Failed(check.message);
      return false;
    }
    if (HasField(ai_)) {
      Failed(WithAi(kMsgDuplicateAi, ai_));
      return false;
    }

    const bool fnc1 = (check.row->variableLength || !HasPredefinedLength(ai_)) && anotherFollows;
    if (parsed_.fieldCount == kFieldStringCount ||
        !AppendBounded(parsed_.encoderText, kMaxEncoderTextLength, {ai_, data_, fnc1 ? "#" : ""})) {
      Failed(kMsgTooMuchData.japanese);
      return false;
    }
    // Every AI of the table has at most 4 digits and its data at most 29 characters.
    AppendBounded(parsed_.fieldStrings[parsed_.fieldCount++], kFieldStringLength,
                  {"(", ai_, ")", data_});
    ai_.clear();
    data_.clear();
    return true;
  }

  // Whether a line of the groups read so far, "(AI)data", has this AI: an AI may occur once.
  bool HasField(std::string_view ai) const {
    for (int k = 0; k < parsed_.fieldCount; ++k) {
      const std::string_view field = parsed_.FieldString(k);
      if (field.substr(1, field.find(')') - 1) == ai)
        return true;
    }
    return false;
  }

  ParsedCode& parsed_;
  ParseResult result_;
  std::string ai_;
  std::string data_;
  bool inGroup_ = false;
  bool readingAi_ = false;
};

}  // namespace

ElementCheck CheckElement(std::string_view ai, std::string_view data) {
  if (ai.empty()) {
    return Fail(ElementFault::kAi, kMsgEmptyAi.japanese);
  }
  if (!IsDigits(ai)) {
    return Fail(ElementFault::kAi, WithAi(kMsgInvalidAi, ai));
  }
  const AiTableRow* row = FindAiRow(ai);
  if (row == nullptr) {
    return Fail(ElementFault::kAi, kMsgUnknownAi.japanese);
  }
  const int dataLength = static_cast<int>(data.size());
  if (dataLength > kMaxAiDataLength || !DataLengthFits(*row, dataLength) ||
      (!row->alphanumeric && !IsDigits(data))) {
    return Fail(ElementFault::kData, WithAi(kMsgInvalidAiData, ai));
  }
  return {ElementFault::kNone, {}, row};
}

ParseResult ParseCodeText(std::string_view text, ParsedCode& parsed) {
  return CodeParser(parsed).Run(text);
}

}  // namespace panels
