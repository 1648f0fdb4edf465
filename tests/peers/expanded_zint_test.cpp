// GS1 DataBar Expanded and Expanded Stacked against zint, for random element strings (AIs of the
// panel's table and every compressed method, up to the 252-bit limit and beyond) at every
// segments-per-row count, a quarter of them with a 2D component. Every symbol of ours must read
// back as its element string. Where the rows differ from zint's, both must read back alike and
// the difference must be a documented one:
// - in the data characters, or in the 2D component, one of the general-purpose encoder's shorter
//   choices of tests/composite/composite_peer_cases.h (the modes are shared by both), with which
//   ours has fewer data characters or a smaller component; the same choice may let ours fit data
//   that zint does not (no data that zint fits is refused by ours);
// - in a separator row, the finder test of the separator rule firing one element early (as
//   tests/peers/databar_differences.h has it for the other forms): where the last width of a
//   character and the first two of the finder after it add up to 13, ours does not alternate
//   single modules over the finder's light elements as zint does;
// - in the separator under the 2D component, zint's: over the finder patterns from the fifth pair
//   on it draws the plain complement of the row, where ours alternates single modules as over
//   the first four and as between stacked rows (bwip-js draws it as ours);
// - zint puts no FNC1 after the data of an AI 23x that another field follows, as if 23 were an
//   AI of predefined length, so that its symbol reads back as other data; ours has the FNC1, as
//   bwip-js's has.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "composite/bit_buffer.h"
#include "composite/expanded_method.h"
#include "composite/general_purpose_encoder.h"
#include "core/encode_error.h"
#include "panels/expanded_form.h"
#include "panels/messages.h"
#include "tests/composite/component_decoder.h"
#include "tests/composite/component_reader.h"
#include "tests/composite/composite_peer_cases.h"
#include "tests/composite/expanded_reader.h"
#include "tests/peers/expanded_symbols.h"
#include "tests/peers/peer_support.h"

namespace peers {
namespace {

using composite::testing::Classify;
using composite::testing::Difference;
using composite::testing::kDifferenceNames;

constexpr int kRandomCases = 1000;
constexpr int kPairModules = 49;
constexpr int kCheckCharacterModules = 17;
constexpr int kFinderModules = 15;
constexpr int kFullSeparatorPairs = 4;  // zint alternates over the finders of these pairs only
constexpr int kFinderHeadModules = 13;  // the first three widths of every finder

ModuleRows ZintRows(const ExpandedCase& c, int segments) {
  const bool oneRow = segments == panels::kMaxSegmentsPerRow;
  std::vector<std::string> arguments;
  if (c.compositeElements.empty()) {
    arguments = {"-b", oneRow ? "31" : "81", "--gs1nocheck", "-d", c.PeerText()};
  } else {
    arguments = {"-b", oneRow ? "134" : "139", "--gs1nocheck", "--primary=" + c.PeerText(),
                 "-d", c.CompositePeerText()};
  }
  if (!oneRow)
    arguments.push_back("--cols=" + std::to_string(segments / 2));
  return ZintDump(arguments);
}

size_t FirstDark(const std::string& row) {
  return row.find('1');
}

// A symbol read back: its linear data, and its rows split into the 2D component with the
// separator under it and the top linear row (normalised together, so that the component's place
// over the row shows), and the linear rows (normalised on their own).
struct ReadSymbol {
  composite::testing::ExpandedReading reading;
  composite::testing::ExpandedData data;
  ModuleRows component;  // without its separator
  std::string compositeSeparator;
  std::string topRow;  // in the component's frame
  ModuleRows linear;
};

std::optional<ReadSymbol> Read(const ModuleRows& rows, int segments) {
  const auto reading = composite::testing::ReadExpandedSymbol(rows, segments);
  if (!reading)
    return std::nullopt;
  ReadSymbol symbol;
  symbol.reading = *reading;
  symbol.data = composite::testing::DecodeExpandedBits(
      reading->bits, static_cast<int>(reading->characters.size()));
  const auto top = rows.begin() + reading->compositeRows;
  if (reading->compositeRows > 0) {
    ModuleRows upper = NormaliseRows(ModuleRows(rows.begin(), top + 1));
    symbol.topRow = upper.back();
    symbol.compositeSeparator = upper[upper.size() - 2];
    symbol.component = ModuleRows(upper.begin(), upper.end() - 2);
  }
  symbol.linear = NormaliseRows(ModuleRows(top, rows.end()));
  return symbol;
}

composite::testing::DecodedData ReadComponent(const ModuleRows& component) {
  std::vector<composite::testing::ReadRow> read;
  for (const std::string& row : component) {
    const size_t first = row.find('1');
    const size_t last = row.rfind('1');
    read.push_back(composite::testing::ReadModuleRow(row.substr(first, last + 1 - first)));
  }
  return composite::testing::DecodeElementString(composite::testing::ComponentBits(4, read));
}

std::vector<size_t> DifferingModules(const std::string& a, const std::string& b) {
  std::vector<size_t> modules;
  for (size_t m = 0; m < std::max(a.size(), b.size()); ++m) {
    if ((m < a.size() ? a[m] : '0') != (m < b.size() ? b[m] : '0'))
      modules.push_back(m);
  }
  return modules;
}

// Modules [first, last) of a separator that a rule may change, and the rule.
struct Window {
  size_t first = 0;
  size_t last = 0;
  const char* rule = "";
};

constexpr char kEarlyFinderTest[] = "finder test one element early";
constexpr char kFalseFinder[] = "three widths of two characters taken for a finder";
constexpr char kZintCompositeSeparator[] = "zint's separator under the 2D component";

// The separator rule recognises a finder by three widths that add up to 13. Where such three
// widths are not the head of a finder, the rule alternates single modules over the elements
// that follow them: when they are a character's last width and the first two of the finder
// after it in reading order, the finder test fires one element early; when they lie across two
// characters, they are taken for a finder. The window spans the three and the three after them.
// Rows are looked at in both directions, for the reversed rows.
std::vector<Window> FinderTestWindows(const std::string& row) {
  std::vector<Window> windows;
  for (const bool reversed : {false, true}) {
    const std::string reading = reversed ? std::string(row.rbegin(), row.rend()) : row;
    std::vector<int> widths;
    std::vector<size_t> starts;
    for (size_t m = 0; m < reading.size(); ++m) {
      if (m == 0 || reading[m] != reading[m - 1]) {
        widths.push_back(0);
        starts.push_back(m);
      }
      ++widths.back();
    }
    // Elements inside a finder pattern, in either orientation.
    std::vector<bool> inFinder(widths.size(), false);
    for (size_t i = 0; i + 5 <= widths.size(); ++i) {
      if (composite::testing::IsFinder(widths.data() + i, false) ||
          composite::testing::IsFinder(widths.data() + i, true)) {
        std::fill(inFinder.begin() + i, inFinder.begin() + i + 5, true);
      }
    }
    for (size_t i = 0; i + 6 <= widths.size(); ++i) {
      if (widths[i] + widths[i + 1] + widths[i + 2] != kFinderHeadModules ||
          (inFinder[i] && inFinder[i + 1] && inFinder[i + 2])) {
        continue;
      }
      const bool early = composite::testing::IsFinder(widths.data() + i + 1, false);
      const size_t first = starts[i];
      const size_t last = starts[i + 5] + widths[i + 5];
      windows.push_back({reversed ? row.size() - last : first, reversed ? row.size() - first : last,
                         early ? kEarlyFinderTest : kFalseFinder});
    }
  }
  return windows;
}

// The rules that explain how a separator next to `row` differs from zint's, joined by " and ",
// or an empty text. Under a 2D component zint draws the plain complement of the top row over
// the finders of the fifth pair on.
std::string ExplainSeparator(const std::string& ours, const std::string& theirs,
                             const std::string& row, bool underComposite) {
  const std::vector<Window> windows = FinderTestWindows(row);
  const size_t guard = FirstDark(row);
  std::set<std::string> rules;
  for (const size_t m : DifferingModules(ours, theirs)) {
    const int inRow = static_cast<int>(m) - static_cast<int>(guard) - 1 - kCheckCharacterModules;
    const bool overLaterFinder =
        inRow >= kFullSeparatorPairs * kPairModules && inRow % kPairModules < kFinderModules;
    const char complement = m < row.size() && row[m] == '1' ? '0' : '1';
    const auto window = std::find_if(windows.begin(), windows.end(),
                                     [m](const Window& w) { return m >= w.first && m < w.last; });
    if (underComposite && overLaterFinder && m < theirs.size() && theirs[m] == complement) {
      rules.insert(kZintCompositeSeparator);
    } else if (window != windows.end()) {
      rules.insert(window->rule);
    } else {
      return "";
    }
  }
  std::string joined;
  for (const std::string& rule : rules)
    joined += (joined.empty() ? "" : " and ") + rule;
  return joined;
}

// Linear rows of the same characters that differ only in separators, by the separator rules.
// The rows run, from the top: a row, its separator, the middle separator, the separator of the
// next row, that row, ...
std::string ExplainLinearSeparators(const ModuleRows& ours, const ModuleRows& theirs) {
  if (ours.size() != theirs.size())
    return "";
  std::set<std::string> rules;
  for (size_t r = 0; r < ours.size(); ++r) {
    if (ours[r] == theirs[r])
      continue;
    if (r % 4 == 0 || r % 4 == 2)
      return "";
    const std::string rule =
        ExplainSeparator(ours[r], theirs[r], ours[r % 4 == 1 ? r - 1 : r + 1], false);
    if (rule.empty())
      return "";
    rules.insert(rule);
  }
  std::string joined;
  for (const std::string& rule : rules)
    joined += (joined.empty() ? "" : " and ") + rule;
  return joined;
}

struct Comparison {
  std::string problem;               // empty when the symbols agree or differ as documented
  std::vector<std::string> reasons;  // the documented differences met
};

std::string DifferenceName(const char* what, Difference difference) {
  return std::string(what) + " " + kDifferenceNames[static_cast<int>(difference)];
}

// The element string as zint encodes it: without FNC1 after the data of AI 23x.
std::string ZintText(std::vector<Element> elements) {
  for (Element& element : elements) {
    if (element.ai.starts_with("23"))
      element.variableLength = false;
  }
  return composite::testing::OurText(elements);
}

// Compares two symbols that both read back as `c`. A documented choice in the data characters or
// the component must make ours the smaller.
Comparison Compare(const ReadSymbol& ours, const ReadSymbol& theirs, const ExpandedCase& c) {
  Comparison result;
  const std::string text = c.EncoderText();
  const std::string compositeText = c.CompositeEncoderText();
  if (theirs.data.text != text) {
    if (theirs.data.text == ZintText(c.elements) && ZintText(c.elements) != text)
      result.reasons.push_back("zint's missing FNC1 after AI 23x");
    else
      result.problem = "zint's reads back as " + theirs.data.text;
    return result;
  }
  if (ours.reading.characters != theirs.reading.characters) {
    const bool sameMethod =
        ours.data.method == theirs.data.method && ours.data.compressed == theirs.data.compressed;
    const Difference difference =
        sameMethod ? Classify(ours.data.generalPurpose, theirs.data.generalPurpose)
                   : Difference::kUnexplained;
    if (difference == Difference::kUnexplained)
      result.problem = "the data characters differ by no documented choice";
    else if (ours.reading.characters.size() >= theirs.reading.characters.size())
      result.problem = "a documented choice that does not make the symbol smaller";
    result.reasons.push_back(DifferenceName("fewer data characters by", difference));
  } else if (ours.linear != theirs.linear) {
    const std::string reason = ExplainLinearSeparators(ours.linear, theirs.linear);
    if (reason.empty())
      result.problem = "the linear rows differ with the same data characters";
    else
      result.reasons.push_back("separator: " + reason);
  } else if (ours.compositeSeparator != theirs.compositeSeparator) {
    const std::string reason =
        ExplainSeparator(ours.compositeSeparator, theirs.compositeSeparator, ours.topRow, true);
    if (reason.empty())
      result.problem = "the separator under the 2D component differs";
    else
      result.reasons.push_back("2D separator: " + reason);
  }
  if (!ours.component.empty() &&
      FirstDark(ours.component.front()) - FirstDark(ours.topRow) !=
          FirstDark(theirs.component.front()) - FirstDark(theirs.topRow)) {
    result.problem = "the 2D component stands elsewhere over the top row";
  }
  if (ours.component != theirs.component) {
    const composite::testing::DecodedData a = ReadComponent(ours.component);
    const composite::testing::DecodedData b = ReadComponent(theirs.component);
    const Difference difference = Classify(a, b);
    if (a.text != compositeText || b.text != compositeText)
      result.problem =
          "a 2D component reads back as " + (a.text != compositeText ? a.text : b.text);
    else if (difference == Difference::kUnexplained)
      result.problem = "the 2D components differ by no documented choice";
    else if (ours.component.size() >= theirs.component.size())
      result.problem = "a documented choice that does not make the 2D component smaller";
    result.reasons.push_back(DifferenceName("a smaller 2D component by", difference));
  }
  if (result.problem.empty() && result.reasons.empty())
    result.problem = "the parts agree but not the whole";
  return result;
}

// Data that ours fits and zint refuses as too long: our encodation by the standard procedure
// alone, as zint encodes, must not fit either, and ours must part from it at a documented
// choice.
std::string ExplainZintRefusal(const ReadSymbol& ours, const std::string& text) {
  std::vector<char> copy(text.begin(), text.end());
  copy.push_back('\0');
  composite::BitBuffer bits{};
  const composite::EncodeTarget target = composite::EncodeTarget::Expanded(
      panels::kMaxSegmentsPerRow, &composite::ChooseExpandedMethod);
  int characters = 0;
  if (composite::EncodeDataBits(target, copy.data(), bits, characters,
                                composite::EncodeChoices::kStandardProcedure) !=
      databar::kDataTooLong) {
    return "";
  }
  const composite::testing::ExpandedData standard = composite::testing::DecodeExpandedBits(
      composite::testing::BitText(bits), panels::kMaxSegmentsPerRow);
  if (ours.data.method != standard.method || ours.data.compressed != standard.compressed)
    return "";
  const Difference difference = Classify(ours.data.generalPurpose, standard.generalPurpose);
  if (difference == Difference::kUnexplained)
    return "";
  return DifferenceName("zint's too long by", difference);
}

TEST(ExpandedAgainstZint, ModuleRowsAgreeOrDifferByDocumentedRules) {
  ExpandedCaseGenerator generator(CaseSeed(20250401));
  ExpandedMaker maker;
  int compared = 0, identical = 0, bothRefused = 0, refusedFor2D = 0, failures = 0;
  std::map<std::string, int> explained;
  std::map<std::string, int> problems;
  std::map<int, int> rowCounts;
  std::map<std::string, int> methods;
  for (int i = 0; i < kRandomCases; ++i) {
    const ExpandedCase c = generator.Next();
    const std::string text = c.EncoderText();
    for (int segments = panels::kMinSegmentsPerRow; segments <= panels::kMaxSegmentsPerRow;
         segments += 2) {
      const ExpandedMaker::Made made = maker.Rows(c, segments);
      std::string problem;
      if (!c.compositeElements.empty() && segments < 4) {
        // The panel asks for more segments; the encoder refuses alike.
        if (made.refusal != panels::kMsgCompositeNeedsFourSegments.japanese &&
            made.result != databar::kInvalidData) {
          problem = "a 2D component over 2 segments per row was not refused";
        }
        ++refusedFor2D;
      } else {
        ++compared;
        const ModuleRows ours = NormaliseRows(made.rows);
        const ModuleRows theirs = NormaliseRows(ZintRows(c, segments));
        if (!made.refusal.empty()) {
          problem = "the form refused: " + made.refusal;
        } else if (ours.empty() && theirs.empty() && made.result == databar::kDataTooLong) {
          ++bothRefused;
        } else if (ours.empty()) {
          problem = "only zint made a symbol (our result " + std::to_string(made.result) + ")";
        } else if (const auto a = Read(ours, segments); !a || a->data.text != text) {
          problem = a ? "ours reads back as " + a->data.text : "ours cannot be read";
        } else if (theirs.empty()) {
          const std::string reason = ExplainZintRefusal(*a, text);
          if (reason.empty())
            problem = "only ours made a symbol, and not for a documented choice";
          else
            ++explained[reason];
        } else if (++rowCounts[a->reading.linearRows], ++methods[a->data.method]; ours == theirs) {
          ++identical;
        } else if (const auto b = Read(theirs, segments); !b) {
          problem = "zint's cannot be read";
        } else {
          const Comparison comparison = Compare(*a, *b, c);
          problem = comparison.problem;
          for (const std::string& reason : comparison.reasons)
            ++explained[reason];
        }
      }
      if (!problem.empty())
        ++problems[problem.substr(0, problem.find(" as "))];
      if (!problem.empty() && ++failures <= 5) {
        ADD_FAILURE() << problem << "\ncode " << c.Code() << "\n2D " << c.CompositeText()
                      << "\nsegments " << segments << "\nours:\n"
                      << ::testing::PrintToString(NormaliseRows(made.rows)) << "\nzint:\n"
                      << ::testing::PrintToString(NormaliseRows(ZintRows(c, segments)));
      }
    }
  }
  std::cout << kRandomCases << " element strings at 11 segment counts: " << compared
            << " compared, " << identical << " equal to zint, " << bothRefused
            << " refused by both as too long, " << refusedFor2D
            << " with 2D data over 2 segments refused by the panel\n";
  for (const auto& [reason, count] : explained)
    std::cout << "  " << count << " differ by " << reason << "\n";
  std::cout << "symbols of each encodation method:";
  for (const auto& [method, count] : methods)
    std::cout << " " << method << ":" << count;
  std::cout << "\nsymbols of each number of linear rows:";
  for (const auto& [rows, count] : rowCounts)
    std::cout << " " << rows << ":" << count;
  std::cout << "\n";
  for (const auto& [problem, count] : problems)
    std::cout << "  " << count << " failed: " << problem << "\n";
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace peers
