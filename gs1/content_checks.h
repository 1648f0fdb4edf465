// The content checks of one part of an element string's data (check digits, dates, codes, ...).
#pragma once

#include <array>
#include <string_view>

#include "gs1/ai_syntax.h"
#include "gs1/verdict.h"

namespace gs1 {

struct PartFault {
  FaultKind fault = FaultKind::kNone;
  std::string_view found;          // within the part
  std::array<char, 3> expected{};  // the check digit or check character pair, NUL-terminated
  int minLength = 0;               // for kDataTooShort: the length the check needs

  bool ok() const { return fault == FaultKind::kNone; }
};

// Applies `check` to `part`, whose characters are already known to be of the part's set.
PartFault ApplyCheck(Check check, std::string_view part);

// The GS1 check digit of `digits` (weights 3, 1, 3, ... from the right).
char CheckDigitOf(std::string_view digits);

// The GS1 check character pair of `characters`, all of character set 82.
std::array<char, 3> CheckCharacterPairOf(std::string_view characters);

}  // namespace gs1
