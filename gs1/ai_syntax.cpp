#include "gs1/ai_syntax.h"

#include "gs1/ai_syntax_rows.h"
#include "gs1/characters.h"

namespace gs1 {
namespace {

// The AI length of each two-digit prefix, taken from the rows; a prefix whose rows disagree on
// the length would make the table unusable for splitting element strings, so it fails the build.
constexpr std::array<uint8_t, 100> MakePrefixLengths() {
  std::array<uint8_t, 100> lengths{};
  for (const AiSyntax& row : kAiSyntaxRows) {
    int divisor = 1;
    for (int i = 2; i < row.aiLength; ++i) {
      divisor *= 10;
    }
    for (int prefix = row.firstAi / divisor; prefix <= row.lastAi / divisor; ++prefix) {
      if (lengths[prefix] != 0 && lengths[prefix] != row.aiLength) {
        throw "two AI lengths share a prefix";
      }
      lengths[prefix] = row.aiLength;
    }
  }
  return lengths;
}

constexpr std::array<uint8_t, 100> kPrefixLengths = MakePrefixLengths();

}  // namespace

const AiSyntax* FindAiSyntax(std::string_view ai) {
  if (ai.size() < 2 || ai.size() > 4 || !AllDigits(ai)) {
    return nullptr;
  }
  const int number = DecimalValue(ai);
  for (const AiSyntax& row : kAiSyntaxRows) {
    if (row.aiLength == ai.size() && number >= row.firstAi && number <= row.lastAi) {
      return &row;
    }
  }
  return nullptr;
}

int AiLengthOfPrefix(std::string_view twoDigits) {
  if (twoDigits.size() != 2 || !AllDigits(twoDigits)) {
    return 0;
  }
  return kPrefixLengths[DecimalValue(twoDigits)];
}

bool MatchesAiPattern(std::string_view pattern, std::string_view ai) {
  if (pattern.size() != ai.size()) {
    return false;
  }
  for (size_t i = 0; i < ai.size(); ++i) {
    const bool anyDigit = pattern[i] == 'n' && IsDigit(ai[i]);
    if (!anyDigit && pattern[i] != ai[i]) {
      return false;
    }
  }
  return true;
}

bool ListItems::Next(std::string_view& item) {
  if (done_ || rest_.empty()) {
    return false;
  }
  const size_t end = rest_.find(separator_);
  item = rest_.substr(0, end);
  done_ = end == std::string_view::npos;
  rest_ = done_ ? std::string_view() : rest_.substr(end + 1);
  return true;
}

bool ListMatchesAi(std::string_view list, char separator, std::string_view ai) {
  ListItems items(list, separator);
  for (std::string_view pattern; items.Next(pattern);) {
    if (MatchesAiPattern(pattern, ai)) {
      return true;
    }
  }
  return false;
}

std::span<const AiSyntax> AiSyntaxRows() {
  return kAiSyntaxRows;
}

}  // namespace gs1
