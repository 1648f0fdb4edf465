#include "panels/messages.h"

#include <vector>

namespace panels {

namespace {

// The text between its blanks: one piece more than it has blanks.
std::vector<std::string_view> Pieces(std::string_view text) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
    if (at + 1 < text.size() && (text[at + 1] == 's' || text[at + 1] == 'd')) {
      pieces.push_back(text.substr(start, at - start));
      start = at + 2;
      ++at;
    }
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

// The values in the blanks of `pieces` that make `text`, each the shortest that lets the rest
// match; nothing when the text is not the pieces with values between them.
std::optional<std::vector<std::string_view>> MatchBlanks(
    const std::vector<std::string_view>& pieces, std::string_view text) {
  if (pieces.size() == 1)
    return text == pieces[0] ? std::optional(std::vector<std::string_view>{}) : std::nullopt;
  if (!text.starts_with(pieces.front()))
    return std::nullopt;
  std::vector<std::string_view> values;
  size_t position = pieces.front().size();
  for (size_t i = 1; i + 1 < pieces.size(); ++i) {
    const size_t at = text.find(pieces[i], position + 1);
    if (at == std::string_view::npos)
      return std::nullopt;
    values.push_back(text.substr(position, at - position));
    position = at + pieces[i].size();
  }
  const std::string_view last = pieces.back();
  if (!text.ends_with(last) || text.size() - last.size() <= position)
    return std::nullopt;
  values.push_back(text.substr(position, text.size() - last.size() - position));
  return values;
}

std::string FillPieces(const std::vector<std::string_view>& pieces,
                       const std::vector<std::string_view>& values) {
  std::string text(pieces.front());
  for (size_t i = 1; i < pieces.size(); ++i) {
    if (i - 1 < values.size())
      text.append(values[i - 1]);
    text.append(pieces[i]);
  }
  return text;
}

}  // namespace

std::string FillBlanks(std::string_view text, std::initializer_list<std::string_view> values) {
  return FillPieces(Pieces(text), std::vector<std::string_view>(values));
}

std::string WithAi(const Message& message, std::string_view ai) {
  return FillBlanks(message.japanese, {ai});
}

MessageLines BothLanguages(const Message& message, std::initializer_list<std::string_view> values) {
  return {FillBlanks(message.japanese, values), FillBlanks(message.english, values)};
}

std::optional<std::string> EnglishFor(std::string_view japanese) {
  const Message* best = nullptr;
  std::vector<std::string_view> bestValues;
  size_t bestLength = 0;
  for (const Message* message : kAllMessages) {
    const auto values = MatchBlanks(Pieces(message->japanese), japanese);
    if (!values)
      continue;
    size_t length = 0;
    for (const std::string_view value : *values)
      length += value.size();
    if (best == nullptr || length < bestLength) {
      best = message;
      bestValues = *values;
      bestLength = length;
    }
  }
  if (best == nullptr)
    return std::nullopt;
  return FillPieces(Pieces(best->english), bestValues);
}

}  // namespace panels
