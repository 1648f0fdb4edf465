// A GS1 message as a list of element strings, each an AI and its data, and the two readers that
// split a text into one: the internal form the encoders take and the bracketed form people type.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "gs1/verdict.h"

namespace gs1 {

struct ElementString {
  std::string_view ai;
  std::string_view data;
};

// More than any symbol of this project can hold (a 2D component holds at most 338 characters,
// and an element string takes at least 3 of them).
inline constexpr int kMaxElementStrings = 128;

// A list of element strings whose texts stay owned by the caller.
class ElementStrings {
 public:
  // False, and nothing is added, when the list is full.
  bool Add(ElementString element);
  std::span<const ElementString> View() const { return {items_.data(), count_}; }
  size_t size() const { return count_; }

 private:
  std::array<ElementString, kMaxElementStrings> items_{};
  size_t count_ = 0;
};

// Appends the element strings of `text` in the internal form: AIs and data without parentheses,
// '#' (FNC1) or '^' (the separator character) after the data of every AI that needs FNC1 when
// another element string follows. The AI's length comes from its first two digits; an AI whose
// data has a predefined length takes that many characters (a '#' after it is allowed and
// skipped). Fails with kMalformed where the text is not an AI of digits followed by data, with
// kUnknownAi when no AI begins with the two digits, and with kTooManyElementStrings.
Verdict ReadInternalForm(std::string_view text, ElementStrings& into);

// Appends the element strings of `text` in the bracketed form "(01)...(17)...": each AI between
// parentheses, followed by its data. The data cannot hold parentheses. Fails with kMalformed
// where the text does not begin with '(', an AI lacks its ')' or a ')' stands in data, and with
// kTooManyElementStrings. The AIs themselves are judged by CheckElementStrings.
Verdict ReadBracketedForm(std::string_view text, ElementStrings& into);

}  // namespace gs1
