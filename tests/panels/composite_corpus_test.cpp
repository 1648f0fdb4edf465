// The random 2D data of the composite peer tests through the GS1 DataBar panel's form: what the
// form refuses is exactly what the GS1 checks refuse, for the faults that generator is known to
// make (a random (01) beside the item number's, an impossible date, a space), and everything
// else is still drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "core/encode_error.h"
#include "emulator/emulator.h"
#include "gs1/element_checker.h"
#include "host/suite_acquisition.h"
#include "panels/character_rules.h"
#include "panels/databar_form.h"
#include "tests/composite/composite_peer_cases.h"

namespace panels {
namespace {

constexpr int kCases = 2000;
constexpr char kItemNumber[] = "2001234567890";
constexpr char kGtin[] = "20012345678909";

gs1::FaultKind CheckersFault(const std::string& text) {
  gs1::ElementStrings elements;
  elements.Add({"01", kGtin});
  const gs1::Verdict read = gs1::ReadInternalForm(text, elements);
  return read.ok() ? gs1::CheckElementStrings(elements.View()).fault : read.fault;
}

TEST(CompositeCorpusThroughTheForm, OnlyFaultyGs1DataIsRefusedAndTheRestIsDrawn) {
  emulator::Emulator emulator;
  emulator.NewDocument({300.0f, 400.0f});
  const host::ScopedSuites suites(emulator.basic());
  const std::map<gs1::FaultKind, const char*> madeFaults = {
      {gs1::FaultKind::kCheckDigit, "check digit"},
      {gs1::FaultKind::kMonth, "month"},
      {gs1::FaultKind::kDay, "day"},
      {gs1::FaultKind::kBadCharacter, "space"},
      {gs1::FaultKind::kConflictingDuplicate, "a second (01)"}};
  composite::testing::ElementStringGenerator generator(20240614);
  std::map<gs1::FaultKind, int> refused;
  int drawn = 0;
  int tooLong = 0;
  for (int made = 0; made < kCases;) {
    std::vector<composite::testing::Element> elements = generator.Next(generator.Uniform(4, 60));
    // Parentheses in the 2D field are shown only, so the data cannot hold them.
    for (composite::testing::Element& element : elements) {
      std::replace(element.data.begin(), element.data.end(), '(', '<');
      std::replace(element.data.begin(), element.data.end(), ')', '>');
    }
    const std::string text = composite::testing::OurText(elements);
    if (text.size() > 100 || !Valid2DText(text))
      continue;
    ++made;
    DataBarForm form;
    form.type = databar::kOmnidirectional;
    form.itemNumber = kItemNumber;
    form.compositeText = text;
    DataBarLengths accepted;
    const std::optional<DataBarFailure> failure = form.Validate(accepted);
    const gs1::FaultKind fault = CheckersFault(text);
    EXPECT_EQ(failure.has_value(), fault != gs1::FaultKind::kNone) << text;
    if (failure) {
      EXPECT_EQ(madeFaults.count(fault), 1u) << text << ": " << failure->english;
      ++refused[fault];
      continue;
    }
    databar::CGS1DataBarSymbol symbol;
    const int32_t result = form.Encode(symbol, accepted, {});
    EXPECT_TRUE(result == 0 || result == databar::kDataTooLong) << text << ": " << result;
    (result == 0 ? drawn : tooLong) += 1;
  }
  std::cout << kCases << " 2D texts: " << drawn << " drawn, " << tooLong
            << " too long for the component, refused:";
  for (const auto& [fault, count] : refused)
    std::cout << " " << count << " (" << madeFaults.at(fault) << ")";
  std::cout << "\n";
  EXPECT_GT(drawn, kCases / 4);
}

}  // namespace
}  // namespace panels
