// Random GS1 messages for comparing the element-string checks with bwip-js: valid ones that
// between them use every AI of the table and every content check, and ones with exactly one
// fault of a chosen kind. Each case is written in the form one of the panels reads: the Expanded
// code field's bracketed text, or a DataBar 2D text in the internal form beside the linear
// symbol's item number (01).
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "gs1/ai_syntax.h"
#include "gs1/verdict.h"

namespace peers {

enum class Gs1Form { kExpandedCode, kCompositeWithItemNumber };

// ISO 4217 codes on which the installed iso-codes and bwip-js disagree; the random cases leave
// them out and the comparison lists them.
inline constexpr std::string_view kCurrenciesJudgedOtherwise[] = {"396", "926"};

struct Gs1Element {
  std::string ai;
  std::string data;
};

struct Gs1Case {
  std::vector<Gs1Element> elements;  // the whole message; for a composite (01) comes first
  gs1::FaultKind intended = gs1::FaultKind::kNone;
  std::string code;       // what the field holds: the bracketed text, or the 2D text
  std::string bracketed;  // the whole message, bracketed, for bwip-js
};

// What a panel's field takes beyond the checks' own rules: the cases made for it keep within.
struct Gs1FieldLimits {
  size_t maxLength = 250;  // of the bracketed message (bwip-js's limit lies beyond)
  // The AIs whose element strings the field's own rules judge as the checks do; null for all.
  bool (*judgedAsTheChecks)(std::string_view ai) = nullptr;
  // The AIs the checks do not know that the field's own rules accept; null for none.
  bool (*takenUnknown)(std::string_view ai) = nullptr;
};

class Gs1CaseMaker {
 public:
  Gs1CaseMaker(uint64_t seed, Gs1Form form, Gs1FieldLimits limits = {});

  // Whether a valid message of this form can hold an AI of `row`: beside an item number no AI
  // may stand that (01) excludes.
  bool Fits(const gs1::AiSyntax& row) const;
  // A valid message that holds an AI of `row`, which Fits.
  Gs1Case Valid(const gs1::AiSyntax& row);
  // A message whose only fault is of kind `fault`.
  Gs1Case WithFault(gs1::FaultKind fault);
  // One message for each pattern that an AI excludes: that AI with one the pattern matches.
  std::vector<Gs1Case> EveryExcludedPair();
  // The fault kinds this form can be given (a 2D text has no parentheses to misplace).
  std::vector<gs1::FaultKind> FaultKinds() const;

 private:
  struct Target {
    const gs1::AiSyntax* row;
    int part;
  };

  std::string RandomAi(const gs1::AiSyntax& row);
  const gs1::AiSyntax& RandomRow();
  bool Takes(std::string_view ai) const;
  bool TakesAny(const gs1::AiSyntax& row) const;
  std::vector<std::string> ValidParts(const gs1::AiSyntax& row, int forcedPart);
  std::string ValidPart(const gs1::AiSyntax& row, int k);
  std::string FaultyPart(gs1::FaultKind fault, const gs1::AiSyntax& row, int k);
  Gs1Element FaultyElement(gs1::FaultKind fault);
  std::vector<Gs1Element> FaultyPair(gs1::FaultKind fault);
  std::optional<Gs1Element> ExcludedPartner(std::string_view pattern, const std::string& ai);
  std::optional<std::vector<Gs1Element>> Placed(Gs1Element first, Gs1Element second);
  Target RandomTarget(gs1::FaultKind fault);
  bool Conflicts(const std::vector<Gs1Element>& elements, const std::string& ai) const;
  void AddCompanions(std::vector<Gs1Element>& elements, int count);
  Gs1Case Finish(std::vector<Gs1Element> elements, gs1::FaultKind intended);
  std::string InternalForm(const std::vector<Gs1Element>& elements, size_t from) const;

  int Uniform(int low, int high);
  std::string Digits(int count);
  std::string FromAlphabet(std::string_view alphabet, int count);

  std::mt19937_64 random_;
  Gs1Form form_;
  Gs1FieldLimits limits_;
};

// The bracketed text of `elements`: "(AI)data" each.
std::string Bracketed(const std::vector<Gs1Element>& elements);

}  // namespace peers
