#include "gs1/requirements.h"

#include "gs1/ai_syntax.h"

namespace gs1 {
namespace {

bool HoldsAi(std::span<const ElementString> message, std::string_view pattern) {
  for (const ElementString& element : message) {
    if (MatchesAiPattern(pattern, element.ai)) {
      return true;
    }
  }
  return false;
}

// Whether `message` holds every AI of one alternative ("01+21") of `alternatives`.
bool MeetsOneOf(std::span<const ElementString> message, std::string_view alternatives) {
  ListItems options(alternatives, ',');
  for (std::string_view option; options.Next(option);) {
    bool all = true;
    ListItems together(option, '+');
    for (std::string_view pattern; all && together.Next(pattern);) {
      all = HoldsAi(message, pattern);
    }
    if (all) {
      return true;
    }
  }
  return false;
}

bool SeenBefore(std::span<const ElementString> message, size_t index) {
  for (size_t i = 0; i < index; ++i) {
    if (message[i].ai == message[index].ai) {
      return true;
    }
  }
  return false;
}

}  // namespace

size_t FindUnmetRequirements(std::span<const ElementString> message,
                             std::span<UnmetRequirement> out) {
  size_t count = 0;
  for (size_t j = 0; j < message.size(); ++j) {
    const AiSyntax* row = FindAiSyntax(message[j].ai);
    if (row == nullptr || row->requiredAis.empty() || SeenBefore(message, j)) {
      continue;
    }
    ListItems lists(row->requiredAis, ';');
    for (std::string_view alternatives; lists.Next(alternatives);) {
      if (MeetsOneOf(message, alternatives)) {
        continue;
      }
      if (count < out.size()) {
        out[count] = {static_cast<int>(j), message[j].ai, alternatives};
      }
      ++count;
    }
  }
  return count;
}

}  // namespace gs1
