// The GS1 element-string checks with any text: the first byte chooses the reader (internal form
// or bracketed form), the rest is the text. A text read without fault is exactly its element
// strings written out again; every verdict points into the message it judges; every fault has a
// message in both languages; the requirement search stays within the list it is given.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/check.h"
#include "gs1/element_checker.h"
#include "gs1/element_string.h"
#include "gs1/fault_messages.h"
#include "gs1/requirements.h"

namespace {

bool Within(std::string_view part, std::string_view whole) {
  return part.empty() ||
         (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

std::string Bracketed(const gs1::ElementStrings& elements) {
  std::string text;
  for (const gs1::ElementString& element : elements.View())
    text.append("(").append(element.ai).append(")").append(element.data);
  return text;
}

void CheckVerdict(const gs1::Verdict& verdict, const gs1::ElementStrings& elements,
                  std::string_view text) {
  FUZZ_CHECK(Within(verdict.found, text));
  if (verdict.ok())
    return;
  FUZZ_CHECK(verdict.index < static_cast<int>(elements.size()));
  FUZZ_CHECK(verdict.otherIndex < verdict.index || verdict.otherIndex == -1);
  const gs1::UserMessage message = gs1::DescribeFault(verdict);
  FUZZ_CHECK(!message.japanese.empty() && !message.english.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0)
    return 0;
  const bool bracketed = (data[0] & 1) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  gs1::ElementStrings elements;
  const gs1::Verdict read =
      bracketed ? gs1::ReadBracketedForm(text, elements) : gs1::ReadInternalForm(text, elements);
  for (const gs1::ElementString& element : elements.View())
    FUZZ_CHECK(Within(element.ai, text) && Within(element.data, text));
  if (!read.ok()) {
    FUZZ_CHECK(!gs1::DescribeFault(read).japanese.empty());
    return 0;
  }
  if (bracketed)
    FUZZ_CHECK(Bracketed(elements) == text);

  CheckVerdict(gs1::CheckElementStrings(elements.View()), elements, text);

  std::array<gs1::UnmetRequirement, 4> unmet;
  const size_t count = gs1::FindUnmetRequirements(elements.View(), unmet);
  for (size_t i = 0; i < std::min(count, unmet.size()); ++i) {
    FUZZ_CHECK(unmet[i].index >= 0 && unmet[i].index < static_cast<int>(elements.size()));
    FUZZ_CHECK(!gs1::DescribeUnmetRequirement(unmet[i]).english.empty());
  }
  return 0;
}
