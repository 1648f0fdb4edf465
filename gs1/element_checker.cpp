#include "gs1/element_checker.h"

#include <algorithm>
#include <array>

#include "gs1/ai_syntax.h"
#include "gs1/characters.h"
#include "gs1/content_checks.h"

namespace gs1 {
namespace {

class ElementJudge {
 public:
  ElementJudge(const ElementString& element, int index, const AiSyntax& row)
      : element_(element), row_(row) {
    verdict_.index = index;
    verdict_.ai = element.ai;
  }

  Verdict Judge() {
    if (!SplitParts()) {
      return verdict_;
    }
    for (int k = 0; k < presentParts_; ++k) {
      if (!CheckPart(k)) {
        return verdict_;
      }
    }
    return {};
  }

 private:
  // Cuts the data into its parts by their lengths; false on a length fault.
  bool SplitParts() {
    const std::span<const DataPart> parts = row_.Parts();
    const std::string_view data = element_.data;
    size_t at = 0;
    for (size_t k = 0; k < parts.size(); ++k) {
      const size_t remaining = data.size() - at;
      if (remaining == 0 && parts[k].optional) {
        break;
      }
      if (remaining < parts[k].minLength) {
        return LengthFault(FaultKind::kDataTooShort, static_cast<int>(k));
      }
      const size_t length = std::min<size_t>(remaining, parts[k].maxLength);
      partTexts_[k] = data.substr(at, length);
      at += length;
      presentParts_ = static_cast<int>(k) + 1;
    }
    if (at < data.size()) {
      return LengthFault(FaultKind::kDataTooLong, presentParts_ - 1);
    }
    return true;
  }

  bool LengthFault(FaultKind fault, int part) {
    verdict_.fault = fault;
    verdict_.part = part;
    verdict_.found = element_.data;
    for (const DataPart& each : row_.Parts()) {
      verdict_.minLength += each.optional ? 0 : each.minLength;
      verdict_.maxLength += each.maxLength;
    }
    return false;
  }

  bool CheckPart(int k) {
    const DataPart& part = row_.parts[k];
    const std::string_view text = partTexts_[k];
    for (size_t i = 0; i < text.size(); ++i) {
      if (!InCharacterSet(part.set, text[i])) {
        return PartFaultFound(k, {FaultKind::kBadCharacter, text.substr(i, 1), {}, 0});
      }
    }
    for (const Check check : part.Checks()) {
      if (const PartFault fault = ApplyCheck(check, text); !fault.ok()) {
        return PartFaultFound(k, fault);
      }
    }
    return true;
  }

  bool PartFaultFound(int k, const PartFault& fault) {
    verdict_.fault = fault.fault;
    verdict_.part = k;
    verdict_.found = fault.found;
    verdict_.expected = fault.expected;
    if (fault.fault == FaultKind::kDataTooShort) {
      verdict_.minLength = fault.minLength;
      verdict_.maxLength = row_.parts[k].maxLength;
    }
    return false;
  }

  const ElementString& element_;
  const AiSyntax& row_;
  Verdict verdict_;
  std::array<std::string_view, kMaxPartsPerAi> partTexts_{};
  int presentParts_ = 0;
};

Verdict PairFault(FaultKind fault, std::span<const ElementString> message, int index, int other) {
  Verdict verdict;
  verdict.fault = fault;
  verdict.index = index;
  verdict.ai = message[index].ai;
  verdict.found = message[index].data;
  verdict.otherIndex = other;
  verdict.otherAi = message[other].ai;
  return verdict;
}

bool Exclude(const AiSyntax& row, std::string_view ai) {
  return ListMatchesAi(row.excludedAis, ',', ai);
}

}  // namespace

Verdict CheckElementStrings(std::span<const ElementString> message) {
  if (message.size() > kMaxElementStrings) {
    Verdict verdict;
    verdict.fault = FaultKind::kTooManyElementStrings;
    verdict.index = kMaxElementStrings;
    return verdict;
  }
  std::array<const AiSyntax*, kMaxElementStrings> rows{};
  for (size_t j = 0; j < message.size(); ++j) {
    const int index = static_cast<int>(j);
    rows[j] = FindAiSyntax(message[j].ai);
    if (rows[j] == nullptr) {
      Verdict verdict;
      verdict.fault = FaultKind::kUnknownAi;
      verdict.index = index;
      verdict.ai = message[j].ai;
      verdict.found = message[j].ai;
      return verdict;
    }
    if (Verdict verdict = ElementJudge(message[j], index, *rows[j]).Judge(); !verdict.ok()) {
      return verdict;
    }
    for (size_t i = 0; i < j; ++i) {
      const int other = static_cast<int>(i);
      if (message[i].ai == message[j].ai) {
        if (message[i].data != message[j].data) {
          return PairFault(FaultKind::kConflictingDuplicate, message, index, other);
        }
      } else if (Exclude(*rows[i], message[j].ai) || Exclude(*rows[j], message[i].ai)) {
        return PairFault(FaultKind::kExcludedPair, message, index, other);
      }
    }
  }
  return {};
}

}  // namespace gs1
