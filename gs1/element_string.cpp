#include "gs1/element_string.h"

#include <algorithm>

#include "gs1/ai_syntax.h"
#include "gs1/characters.h"

namespace gs1 {
namespace {

constexpr std::string_view kFieldEnds = "#^";

Verdict ReadFault(FaultKind fault, const ElementStrings& into, std::string_view found,
                  std::string_view ai = {}) {
  Verdict verdict;
  verdict.fault = fault;
  verdict.index = static_cast<int>(into.size());
  verdict.ai = ai;
  verdict.found = found;
  return verdict;
}

Verdict AddOrFault(ElementStrings& into, ElementString element, std::string_view rest) {
  if (!into.Add(element)) {
    return ReadFault(FaultKind::kTooManyElementStrings, into, rest, element.ai);
  }
  return {};
}

size_t PredefinedDataLength(const AiSyntax& row) {
  size_t length = 0;
  for (const DataPart& part : row.Parts()) {
    length += part.maxLength;
  }
  return length;
}

// Where the data of `ai`, starting at `start`, ends: after its predefined length, or at the next
// field end; a field end within a predefined length ends the data early.
size_t DataEnd(std::string_view text, size_t start, std::string_view ai) {
  const size_t fieldEnd = std::min(text.find_first_of(kFieldEnds, start), text.size());
  const AiSyntax* row = FindAiSyntax(ai);
  if (row == nullptr || row->needsFnc1) {
    return fieldEnd;
  }
  return std::min(fieldEnd, start + PredefinedDataLength(*row));
}

}  // namespace

bool ElementStrings::Add(ElementString element) {
  if (count_ == items_.size()) {
    return false;
  }
  items_[count_++] = element;
  return true;
}

Verdict ReadInternalForm(std::string_view text, ElementStrings& into) {
  size_t at = 0;
  while (at < text.size()) {
    const std::string_view rest = text.substr(at);
    if (rest.size() < 2 || !AllDigits(rest.substr(0, 2))) {
      return ReadFault(FaultKind::kMalformed, into, rest);
    }
    const size_t aiLength = static_cast<size_t>(AiLengthOfPrefix(rest.substr(0, 2)));
    if (aiLength == 0) {
      return ReadFault(FaultKind::kUnknownAi, into, rest, rest.substr(0, 2));
    }
    if (rest.size() < aiLength || !AllDigits(rest.substr(0, aiLength))) {
      return ReadFault(FaultKind::kMalformed, into, rest);
    }
    const std::string_view ai = rest.substr(0, aiLength);
    const size_t end = DataEnd(text, at + aiLength, ai);
    if (Verdict added =
            AddOrFault(into, {ai, text.substr(at + aiLength, end - at - aiLength)}, rest);
        !added.ok()) {
      return added;
    }
    at = end < text.size() && kFieldEnds.find(text[end]) != std::string_view::npos ? end + 1 : end;
  }
  return {};
}

Verdict ReadBracketedForm(std::string_view text, ElementStrings& into) {
  if (!text.empty() && text.front() != '(') {
    return ReadFault(FaultKind::kMalformed, into, text);
  }
  size_t at = 0;
  while (at < text.size()) {
    const std::string_view rest = text.substr(at);
    const size_t close = rest.find_first_of("()", 1);
    if (close == std::string_view::npos || rest[close] == '(') {
      return ReadFault(FaultKind::kMalformed, into, rest);
    }
    const size_t dataEnd = std::min(rest.find_first_of("()", close + 1), rest.size());
    if (dataEnd < rest.size() && rest[dataEnd] == ')') {
      return ReadFault(FaultKind::kMalformed, into, rest.substr(dataEnd));
    }
    const ElementString element{rest.substr(1, close - 1),
                                rest.substr(close + 1, dataEnd - close - 1)};
    if (Verdict added = AddOrFault(into, element, rest); !added.ok()) {
      return added;
    }
    at += dataEnd;
  }
  return {};
}

}  // namespace gs1
