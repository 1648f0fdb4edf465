// GS1-128 symbols made by the panel's create action for random medical data, written as PNG files
// by the stand-in host, decode with zxing-wasm to exactly the entered data with the normalised
// quantity; each symbol has the rectangle count and total width its characters call for.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "emulator/document_writer.h"
#include "emulator/emulator.h"
#include "gs1_128/medical128_elements.h"
#include "gs1_128/medical128_symbol.h"
#include "gs1_128/mod10_check.h"
#include "host/suite_acquisition.h"
#include "panels/medical128_form.h"
#include "tests/peers/peer_support.h"

namespace {

constexpr int kRandomCases = 1000;
// At 300 dpi a 0.191 mm module straddles pixels and the decoder misses about one symbol in a
// hundred; at 600 dpi every module is at least 4 pixels wide.
constexpr int kDpi = 600;
constexpr double kNarrowWidths[] = {0.169, 0.191, 0.22, 0.25, 0.33};

// 16.16 millimetres to points, truncating each step as the host's fixed divide and multiply do.
int64_t Points(double millimetres) {
  const int64_t fixed = static_cast<int64_t>(millimetres * 65536);
  return (fixed * 65536 / 1664614) * 72;
}

struct Case {
  panels::Medical128Form form;
  std::string quantity;  // normalised
};

Case RandomCase(std::mt19937_64& random) {
  const auto pick = [&random](int n) { return static_cast<int>(random() % n); };
  const auto digits = [&pick](int n) {
    std::string text;
    for (int i = 0; i < n; ++i)
      text += static_cast<char>('0' + pick(10));
    return text;
  };
  static const std::string kMarks = "!\"%&'*()+,-./:;<=>?_";
  Case c;
  panels::Medical128Form& form = c.form;
  form.productCode = digits(13);
  const auto twoDigits = [](int value) {
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
  };
  // A real date: any year, months 01 to 12, days 00 (no day) to 28.
  if (pick(2))
    form.expiry = digits(2) + twoDigits(1 + pick(12)) + twoDigits(pick(29));
  if (pick(2)) {
    form.quantity = digits(1 + pick(8));
    if (form.quantity.find_first_not_of('0') == std::string::npos)
      form.quantity.back() = '1';
    c.quantity = form.quantity.substr(form.quantity.find_first_not_of('0'));
  }
  form.lotCodeSet = pick(3);
  if (pick(4) != 0 && form.lotCodeSet == gs1_128::kLotCodeC)
    form.lot = digits(2 + 2 * pick(10));
  if (pick(4) != 0 && form.lotCodeSet != gs1_128::kLotCodeC) {
    for (int i = 1 + pick(20); i > 0; --i) {
      const int kind = pick(4);
      const char upper = static_cast<char>('A' + pick(26));
      form.lot += kind == 0   ? static_cast<char>('0' + pick(10))
                  : kind == 1 ? kMarks[pick(kMarks.size())]
                  : kind == 2 && form.lotCodeSet == gs1_128::kLotCodeB
                      ? static_cast<char>(upper - 'A' + 'a')
                      : upper;
    }
  }
  form.narrowWidthEntry = pick(7) - 1;  // -1: a typed width
  if (form.narrowWidthEntry < 0)
    form.narrowWidthText = "0.3";
  return c;
}

// Start, FNC1, the pairs of (01) and (17), the quantity in code set B with its separator, the
// lot with its code-set change, the check character; the stop character is not counted.
int SymbolCharacters(const Case& c) {
  const panels::Medical128Form& form = c.form;
  int count = 2 + 8 + (form.expiry.empty() ? 0 : 4) + 1;
  const bool hasQuantity = !c.quantity.empty();
  if (hasQuantity)
    count += 1 + 2 + static_cast<int>(c.quantity.size()) + (form.lot.empty() ? 0 : 1);
  if (form.lot.empty())
    return count;
  if (form.lotCodeSet == gs1_128::kLotCodeC)
    return count + hasQuantity + 1 + form.lot.size() / 2;
  return count + (form.lotCodeSet == gs1_128::kLotCodeA || !hasQuantity) + 2 + form.lot.size();
}

std::string Expected(const Case& c) {
  const panels::Medical128Form& form = c.form;
  std::string text = "(01)" + form.productCode;
  text += gs1_128::Mod10CheckCharacter(form.productCode);
  if (!form.expiry.empty())
    text += "(17)" + form.expiry;
  if (!c.quantity.empty())
    text += "(30)" + c.quantity;
  if (!form.lot.empty())
    text += "(10)" + form.lot;
  return text;
}

TEST(Medical128Decodes, ToTheEnteredData) {
  std::mt19937_64 random(peers::CaseSeed(20250315));
  const peers::ScratchDirectory scratch;
  emulator::Emulator emulator;
  const host::ScopedSuites suites(emulator.basic());
  ASSERT_EQ(suites.result(), host::kNoError);

  std::vector<Case> cases;
  std::vector<std::filesystem::path> files;
  while (cases.size() < kRandomCases) {
    Case c = RandomCase(random);
    if (!gs1_128::FitsCapacity(c.form.expiry, c.quantity, c.form.lot))
      continue;
    const emulator::Document& document = emulator.NewDocument();
    ASSERT_EQ(c.form.CreateMedical128().outcome, panels::Medical128Outcome::kCreated)
        << Expected(c);

    const emulator::Art& symbol = *document.group().children.at(0);
    const int characters = SymbolCharacters(c);
    ASSERT_EQ(symbol.children.size(), 6u * characters + 7 + 2 + 1) << Expected(c);
    const auto& left = symbol.children.front()->path.segments[0].p;
    const auto& right = symbol.children[symbol.children.size() - 2]->path.segments[1].p;
    const double narrowWidth = std::stod(c.form.narrowWidthText);
    const int64_t quietZone =
        narrowWidth <= 0.22 ? Points(static_cast<double>(2.2f)) : 10 * Points(narrowWidth);
    const int64_t width = 2 * quietZone + (11 * characters + 13) * Points(narrowWidth);
    EXPECT_FLOAT_EQ(right.h - left.h, static_cast<float>(width / 65536.0)) << Expected(c);

    files.push_back(scratch.path() / (std::to_string(files.size()) + ".png"));
    emulator::WriteOptions options;
    options.dpi = kDpi;
    ASSERT_EQ(emulator::WriteDocument(document, files.back().string(), options).error, "");
    cases.push_back(std::move(c));
  }

  const std::vector<peers::Decoded> decoded = peers::DecodePngs(files);
  int agreed = 0;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    if (decoded[i].format == "Code128" && decoded[i].text == Expected(cases[i])) {
      ++agreed;
    } else {
      ADD_FAILURE() << Expected(cases[i]) << " decoded as [" << decoded[i].format << "] "
                    << decoded[i].text;
    }
  }
  std::cout << "GS1-128: " << agreed << " of " << cases.size()
            << " PNG files decoded to their data\n";
}

// The data characters of a symbol, counted as they are put.
struct CharacterCount : gs1_128::SymbolCharacterSink {
  int count = 0;
  void Put(int16_t, const char*) override { ++count; }
};

std::optional<int> SymbolLength(const std::string& gtin, const std::string& expiry,
                                const std::string& quantity, const std::string& lot,
                                int32_t codeSet) {
  gs1_128::CMedical128Symbol symbol;
  if (!symbol.SetElements(gtin, expiry, quantity, lot, codeSet))
    return std::nullopt;
  CharacterCount characters;
  symbol.EncodeSymbol(characters);
  return characters.count;
}

// Lots of digits, both cases of letters and marks in the code sets chosen inside the lot decode to
// their data, and no fixed code set that can carry the lot makes a shorter symbol.
TEST(Medical128Decodes, AutomaticCodeSetsToTheDataAndNeverLonger) {
  std::mt19937_64 random(peers::CaseSeed(20250316));
  const auto pick = [&random](int n) { return static_cast<int>(random() % n); };
  const auto digits = [&pick](int n) {
    std::string text;
    for (int i = 0; i < n; ++i)
      text += static_cast<char>('0' + pick(10));
    return text;
  };
  const std::string marks = "!\"%&'*()+,-./:;<=>?_";
  const peers::ScratchDirectory scratch;
  emulator::Emulator emulator;
  const host::ScopedSuites suites(emulator.basic());
  ASSERT_EQ(suites.result(), host::kNoError);

  std::vector<std::string> expected;
  std::vector<std::filesystem::path> files;
  while (files.size() < kRandomCases) {
    const std::string product = digits(13);
    const std::string gtin = product + gs1_128::Mod10CheckCharacter(product);
    const std::string expiry = pick(2) ? digits(6) : "";
    const std::string quantity = pick(2) ? std::to_string(1 + pick(99999)) : "";
    std::string lot;
    const int kinds = pick(3) == 0 ? 1 : 4;  // a third of the lots hold digits only
    for (int i = 1 + pick(20); i > 0; --i) {
      const int kind = pick(kinds);
      lot += kind == 0   ? static_cast<char>('0' + pick(10))
             : kind == 1 ? static_cast<char>('A' + pick(26))
             : kind == 2 ? static_cast<char>('a' + pick(26))
                         : marks[pick(marks.size())];
    }
    if (!gs1_128::FitsCapacity(expiry, quantity, lot))
      continue;
    const auto element = [](const char* identifier, const std::string& value) {
      return value.empty() ? value : identifier + value;
    };
    const std::string text =
        "(01)" + gtin + element("(17)", expiry) + element("(30)", quantity) + "(10)" + lot;
    const std::optional<int> automatic =
        SymbolLength("01" + gtin, element("17", expiry), element("30", quantity), "10" + lot,
                     gs1_128::kLotCodeAuto);
    ASSERT_TRUE(automatic) << text;
    for (const int32_t set : {gs1_128::kLotCodeA, gs1_128::kLotCodeB, gs1_128::kLotCodeC}) {
      const std::optional<int> fixed = SymbolLength("01" + gtin, element("17", expiry),
                                                    element("30", quantity), "10" + lot, set);
      if (fixed) {
        EXPECT_LE(*automatic, *fixed) << text << " in code set " << set;
      }
    }

    emulator::Document& document = emulator.NewDocument();
    gs1_128::CMedical128Symbol symbol;
    ASSERT_TRUE(symbol.SetElements("01" + gtin, element("17", expiry), element("30", quantity),
                                   "10" + lot, gs1_128::kLotCodeAuto));
    symbol.SetDimensions(kNarrowWidths[pick(std::size(kNarrowWidths))], 10);
    gs1_128::CMedical128Art target(emulator::HandleOf(&document.group()));
    ASSERT_EQ(symbol.DrawMedical128(target, 0, 0, text), host::kNoError) << text;
    files.push_back(scratch.path() / (std::to_string(files.size()) + ".png"));
    emulator::WriteOptions options;
    options.dpi = kDpi;
    ASSERT_EQ(emulator::WriteDocument(document, files.back().string(), options).error, "");
    expected.push_back(text);
  }

  const std::vector<peers::Decoded> decoded = peers::DecodePngs(files);
  int agreed = 0;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (decoded[i].format == "Code128" && decoded[i].text == expected[i]) {
      ++agreed;
    } else {
      ADD_FAILURE() << expected[i] << " decoded as [" << decoded[i].format << "] "
                    << decoded[i].text;
    }
  }
  std::cout << "GS1-128 in automatic code sets: " << agreed << " of " << files.size()
            << " PNG files decoded to their data\n";
}

}  // namespace
