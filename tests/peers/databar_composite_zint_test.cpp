// Whole GS1 DataBar composite symbols (2D component, its separator and the linear rows) against
// zint's, for random item numbers and random 2D element strings of every component size of each
// linear form, typed as a user types them into the panel. Where the rows differ, each difference
// must be a documented one: in the linear part one of the separator rules of
// tests/peers/databar_differences.h; in the component one of the composite encoder's shorter
// choices of tests/composite/composite_peer_cases.h, which make our component the smaller, with
// both components reading back as the same element string. No component is larger than zint's,
// and none is refused where zint makes one. The component must stand where zint puts it relative
// to the linear rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "composite/composite_component.h"
#include "composite/size_tables.h"
#include "core/encode_error.h"
#include "databar/composite_attachment.h"
#include "databar/gs1_databar_symbol.h"
#include "tests/composite/component_decoder.h"
#include "tests/composite/component_reader.h"
#include "tests/composite/composite_peer_cases.h"
#include "tests/peers/databar_differences.h"
#include "tests/peers/databar_symbols.h"
#include "tests/peers/peer_support.h"

namespace peers {
namespace {

using composite::testing::Element;

constexpr int kCasesPerForm = 1000;
constexpr int kTooLongCasesPerForm = 30;

struct CompositeForm {
  const char* name;
  int32_t type;
  int zintSymbology;
  size_t linearRows;  // without the separator under the component
  uint64_t itemLimit;
};

constexpr CompositeForm kForms[] = {
    {"Omnidirectional", databar::kOmnidirectional, 132, 1, 10'000'000'000'000},
    {"Limited", databar::kLimited, 133, 1, 2'000'000'000'000},
    {"Stacked", databar::kStacked, 137, 3, 10'000'000'000'000},
    {"StackedOmnidirectional", databar::kStackedOmnidirectional, 138, 5, 10'000'000'000'000},
};

// The panel shows parentheses and never encodes them, so data characters '(' and ')' of the
// generated strings stand as '<' and '>'.
std::vector<Element> PanelElements(std::vector<Element> elements) {
  for (Element& element : elements) {
    std::replace(element.data.begin(), element.data.end(), '(', '<');
    std::replace(element.data.begin(), element.data.end(), ')', '>');
  }
  return elements;
}

// The 2D text as a user types it: identifiers in parentheses, '#' after a variable-length field
// that is not the last.
std::string TypedText(const std::vector<Element>& elements) {
  std::string text;
  for (size_t i = 0; i < elements.size(); ++i) {
    text += "(" + elements[i].ai + ")" + elements[i].data;
    if (elements[i].variableLength && i + 1 < elements.size())
      text += '#';
  }
  return text;
}

// A symbol's rows, top first, split into the 2D component and the linear part (the separator
// under the component and the linear rows), each normalised on its own.
struct SymbolParts {
  ModuleRows whole;
  ModuleRows component;
  ModuleRows linear;
  int offset = 0;  // where the linear part starts right of the component, in modules
};

SymbolParts Split(const ModuleRows& rows, size_t linearRows) {
  SymbolParts parts;
  parts.whole = NormaliseRows(rows);
  const auto middle = rows.end() - static_cast<std::ptrdiff_t>(linearRows + 1);
  const auto margin = [](auto first, auto last) {
    size_t m = std::string::npos;
    for (auto row = first; row != last; ++row)
      m = std::min(m, row->find('1'));
    return static_cast<int>(m);
  };
  parts.offset = margin(middle, rows.end()) - margin(rows.begin(), middle);
  parts.component = NormaliseRows(ModuleRows(rows.begin(), middle));
  parts.linear = NormaliseRows(ModuleRows(middle, rows.end()));
  return parts;
}

composite::testing::DecodedData ReadComponent(int columns, const ModuleRows& component) {
  std::vector<composite::testing::ReadRow> read;
  for (const std::string& row : component)
    read.push_back(composite::testing::ReadModuleRow(row));
  return composite::testing::DecodeElementString(composite::testing::ComponentBits(columns, read));
}

// Why a linear part differs from zint's, or an empty text when a row differs by no rule.
std::string ExplainLinear(int32_t type, const ModuleRows& ours, const ModuleRows& theirs) {
  if (ours.size() != theirs.size())
    return "";
  // Rows from the top: separator under the component, upper linear row, the separators and the
  // lower row.
  std::string explanation;
  for (size_t r = 0; r < ours.size(); ++r) {
    if (ours[r] == theirs[r])
      continue;
    const bool stackedForm = type == databar::kStacked || type == databar::kStackedOmnidirectional;
    if (type == databar::kOmnidirectional && r == 0) {
      explanation = ExplainOmniSeparator(ours[r], theirs[r], ours[1]);
      if (explanation.empty())
        return "";
    } else if (stackedForm && (r == 0 || (r == 2 && type == databar::kStackedOmnidirectional)) &&
               IsEarlyFinderTest(ours[r], theirs[r], ours[1])) {
      explanation = "finder test one element early";
    } else if (type == databar::kStacked && r == 2 &&
               IsStackedSeparatorPhase(ours[r], theirs[r], ours[1], ours[3])) {
      explanation = "separator phase at the left end";
    } else {
      return "";
    }
  }
  return explanation;
}

class CompositeSymbolAgainstZint : public ::testing::TestWithParam<CompositeForm> {};

TEST_P(CompositeSymbolAgainstZint, ModuleRowsAgreeOrDifferByDocumentedRules) {
  const CompositeForm& form = GetParam();
  const int columns = databar::CompositeColumns(form.type);
  const uint64_t seed = CaseSeed(20250301 + form.type);
  std::mt19937_64 random(seed);
  composite::testing::ElementStringGenerator generator(static_cast<uint32_t>(seed));
  const auto rowsOf = [&](const std::vector<Element>& generated) {
    const std::vector<Element> elements = PanelElements(generated);
    if (TypedText(elements).size() > databar::kCompositeTextLength)
      return -1;
    databar::CompositeRowBuffer rows;
    return composite::EncodeComposite(columns, composite::testing::OurText(elements).c_str(), rows);
  };
  const auto cases = composite::testing::CasesForEverySize(
      *composite::SizeTableFor(columns), kCasesPerForm, kTooLongCasesPerForm, generator, rowsOf);
  const std::vector<std::string> items =
      RandomNumbers(random, static_cast<int>(cases.size()), form.itemLimit, 13);

  DataBarMaker maker;
  int identical = 0, bothRefused = 0, failures = 0;
  std::map<std::string, int> explained;
  std::map<size_t, int> componentRows;
  for (size_t i = 0; i < cases.size(); ++i) {
    const std::vector<Element> elements = PanelElements(cases[i]);
    const std::string typed = TypedText(elements);
    const std::string text = composite::testing::OurText(elements);
    int32_t error = 0;
    const ModuleRows ours = maker.Rows(form.type, items[i], typed, &error);
    const ModuleRows theirs =
        ZintDump({"-b", std::to_string(form.zintSymbology), "--primary=" + items[i], "--gs1nocheck",
                  "-d", composite::testing::PeerText(elements)});
    std::string problem;
    if (ours.empty() || theirs.empty()) {
      const bool tooLong =
          error == databar::kDataTooLong || error == databar::kInternalOverflow ||
          (error == databar::kInvalidData && typed.size() > databar::kCompositeTextLength);
      if (ours.empty() && theirs.empty() && tooLong) {
        ++bothRefused;
      } else if (ours.empty() || ours.size() < form.linearRows + 2) {
        problem = "only ours refused the data (our error " + std::to_string(error) + ")";
      } else {
        const SymbolParts a = Split(ours, form.linearRows);
        const composite::testing::DecodedData ourData = ReadComponent(columns, a.component);
        const composite::testing::Difference difference =
            composite::testing::ExplainPeerRefusal(columns, text, ourData);
        if (ourData.text != text)
          problem = "our component reads back as " + ourData.text;
        else if (difference == composite::testing::Difference::kUnexplained)
          problem = "only zint refused the data, and not for a documented choice";
        else
          ++explained[std::string("zint's too long by ") +
                      composite::testing::kDifferenceNames[static_cast<int>(difference)]];
      }
    } else if (ours.size() < form.linearRows + 2 || theirs.size() < form.linearRows + 2) {
      problem = "a symbol without a component";
    } else {
      const SymbolParts a = Split(ours, form.linearRows);
      const SymbolParts b = Split(theirs, form.linearRows);
      ++componentRows[a.component.size()];
      const composite::testing::DecodedData ourData = ReadComponent(columns, a.component);
      std::vector<std::string> reasons;
      if (ourData.text != text) {
        problem = "our component reads back as " + ourData.text;
      } else if (a.whole == b.whole) {
        ++identical;
      } else {
        if (a.linear != b.linear) {
          const std::string reason = ExplainLinear(form.type, a.linear, b.linear);
          if (reason.empty())
            problem = "the linear part differs by no documented rule";
          reasons.push_back(reason);
        }
        if (a.component != b.component) {
          const composite::testing::DecodedData peerData = ReadComponent(columns, b.component);
          const composite::testing::Difference difference =
              composite::testing::Classify(ourData, peerData);
          if (peerData.text != text)
            problem = "the peer's component reads back as " + peerData.text;
          else if (difference == composite::testing::Difference::kUnexplained)
            problem = "the component differs by no documented choice";
          else if (a.component.size() >= b.component.size())
            problem = "a documented choice that does not make the component smaller";
          reasons.push_back(std::string("a smaller component by ") +
                            composite::testing::kDifferenceNames[static_cast<int>(difference)]);
        }
        if (a.component.size() == b.component.size() && a.offset != b.offset)
          problem =
              "the component stands " + std::to_string(a.offset - b.offset) + " modules off zint's";
        if (a.linear == b.linear && a.component == b.component && problem.empty())
          problem = "the parts agree but not the whole";
        for (const std::string& reason : reasons)
          ++explained[reason];
      }
    }
    if (!problem.empty() && ++failures <= 5) {
      ADD_FAILURE() << form.name << " " << items[i] << ": " << problem << "\n2D text " << typed
                    << "\nours (" << ours.size() << " rows):\n"
                    << ::testing::PrintToString(ours) << "\nzint (" << theirs.size() << " rows):\n"
                    << ::testing::PrintToString(theirs);
    }
  }
  std::cout << form.name << ": " << cases.size() << " symbols, " << identical << " equal to zint, "
            << bothRefused << " refused by both as too long";
  for (const auto& [reason, count] : explained)
    std::cout << "; " << count << " differ by " << reason;
  std::cout << "\ncomponent rows:";
  for (const auto& [rows, count] : componentRows)
    std::cout << " " << rows << ":" << count;
  std::cout << "\n";
  EXPECT_EQ(failures, 0);
  EXPECT_GE(bothRefused, kTooLongCasesPerForm / 2);
}

INSTANTIATE_TEST_SUITE_P(Forms, CompositeSymbolAgainstZint, ::testing::ValuesIn(kForms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace peers
