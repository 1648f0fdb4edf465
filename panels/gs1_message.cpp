#include "panels/gs1_message.h"

#include <array>

#include "gs1/element_checker.h"
#include "gs1/requirements.h"

namespace panels {
namespace {

constexpr std::string_view kFieldEnds = "#^";

// The 2D text without its line breaks.
std::string WithoutLineBreaks(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (c != '$')
      kept += c;
  }
  return kept;
}

// A text that stops being a sequence of element strings at `at`.
gs1::Verdict Malformed(std::string_view text, size_t at) {
  gs1::Verdict verdict;
  verdict.fault = gs1::FaultKind::kMalformed;
  verdict.found = text.substr(at);
  return verdict;
}

// The bracketed 2D text without the field ends the user typed after data, before a '(' or at the
// end; a '#' or '^' anywhere else would end the data where the text shows none ending.
gs1::Verdict WithoutTypedFieldEnds(std::string_view text, std::string& kept) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (kFieldEnds.find(text[i]) == std::string_view::npos) {
      kept += text[i];
    } else if (kept.empty() || (i + 1 < text.size() && text[i + 1] != '(')) {
      return Malformed(text, i);
    }
  }
  return {};
}

bool AiTableDecides(gs1::FaultKind fault) {
  return fault == gs1::FaultKind::kUnknownAi || fault == gs1::FaultKind::kDataTooShort ||
         fault == gs1::FaultKind::kDataTooLong;
}

}  // namespace

std::string_view Gs1Message::Keep(std::string_view text) {
  return texts_.emplace_back(text);
}

void Gs1Message::Add(std::string_view ai, std::string_view data, int field) {
  if (elements_.Add({Keep(ai), Keep(data)}))
    fields_.push_back(field);
}

void Gs1Message::AddAcceptedByAiTable(std::string_view ai, std::string_view data, int field) {
  const gs1::ElementString alone[] = {{ai, data}};
  if (!AiTableDecides(gs1::CheckElementStrings(alone).fault))
    Add(ai, data, field);
}

std::optional<Gs1DataFault> Gs1Message::AddCompositeText(std::string_view text, int field) {
  const std::string unbroken = WithoutLineBreaks(text);
  gs1::Verdict read;
  if (unbroken.find_first_of("()") == std::string::npos) {
    read = gs1::ReadInternalForm(Keep(unbroken), elements_);
  } else {
    std::string bracketed;
    read = WithoutTypedFieldEnds(unbroken, bracketed);
    if (read.ok())
      read = gs1::ReadBracketedForm(Keep(bracketed), elements_);
  }
  fields_.resize(elements_.size(), field);
  if (!read.ok())
    return Gs1DataFault{gs1::DescribeFault(read), field};
  return std::nullopt;
}

std::optional<Gs1DataFault> Gs1Message::FirstFault() const {
  const gs1::Verdict verdict = gs1::CheckElementStrings(elements_.View());
  if (verdict.ok())
    return std::nullopt;
  const size_t index = static_cast<size_t>(verdict.index);
  return Gs1DataFault{gs1::DescribeFault(verdict),
                      index < fields_.size() ? fields_[index] : fields_.back()};
}

std::vector<gs1::UserMessage> Gs1Message::UnmetRequirements() const {
  std::array<gs1::UnmetRequirement, gs1::kMaxElementStrings> unmet;
  const size_t count = gs1::FindUnmetRequirements(elements_.View(), unmet);
  std::vector<gs1::UserMessage> warnings;
  for (size_t i = 0; i < count && i < unmet.size(); ++i)
    warnings.push_back(gs1::DescribeUnmetRequirement(unmet[i]));
  return warnings;
}

}  // namespace panels
