#include "emulator/win32/script.h"

namespace emulator {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// Splits one line into words; false for an unterminated quote.
bool SplitWords(std::string_view line, std::vector<std::string>& words) {
  size_t i = 0;
  while (true) {
    while (i < line.size() && IsBlank(line[i]))
      ++i;
    if (i == line.size())
      return true;
    std::string word;
    if (line[i] == '"') {
      for (++i;; ++i) {
        if (i == line.size())
          return false;
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            word += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        word += line[i];
      }
    } else {
      while (i < line.size() && !IsBlank(line[i]))
        word += line[i++];
    }
    words.push_back(std::move(word));
  }
}

}  // namespace

ParsedScript ParseScript(std::string_view text) {
  ParsedScript script;
  if (text.starts_with("\xEF\xBB\xBF"))
    text.remove_prefix(3);  // a byte-order mark
  int number = 0;
  while (!text.empty()) {
    ++number;
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ScriptLine parsed{number, {}};
    if (!SplitWords(line, parsed.words)) {
      script.error = "line " + std::to_string(number) + ": a quote is not closed";
      return script;
    }
    if (!parsed.words.empty() && !parsed.words.front().starts_with('#'))
      script.lines.push_back(std::move(parsed));
  }
  return script;
}

}  // namespace emulator
