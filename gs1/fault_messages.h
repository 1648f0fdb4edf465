// The messages that tell the user what is wrong with GS1 data: one per kind of fault, in Japanese
// for the panels and the command, and in English, which the command prints under the Japanese.
#pragma once

#include <string>
#include <string_view>

#include "gs1/requirements.h"
#include "gs1/verdict.h"

namespace gs1 {

// A message's texts with blanks: {ai} the AI, {other} the other AI of a pair, {found} the
// offending characters, {expected} what a check wants instead, {length} the data's lengths,
// {alternatives} the AIs a requirement names.
struct MessageTexts {
  std::string_view japanese;
  std::string_view english;
};

// The texts of `fault`; empty for kNone.
MessageTexts FaultMessageTexts(FaultKind fault);

// The texts of the warning about required AIs that a message lacks.
MessageTexts UnmetRequirementTexts();

struct UserMessage {
  std::string japanese;  // UTF-8
  std::string english;
};

// The message of a verdict that is not ok, its blanks filled.
UserMessage DescribeFault(const Verdict& verdict);

// The warning about one unmet requirement.
UserMessage DescribeUnmetRequirement(const UnmetRequirement& requirement);

}  // namespace gs1
