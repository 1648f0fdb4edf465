#include "tests/peers/expanded_symbols.h"

#include <algorithm>

#include "databar/check_digit.h"
#include "databar/gs1_databar_symbol.h"
#include "databar/module_rows.h"
#include "emulator/document_writer.h"
#include "panels/ai_table.h"
#include "panels/character_rules.h"
#include "panels/element_string.h"
#include "panels/expanded_form.h"

namespace peers {

namespace {

constexpr size_t kCompositeFieldCharacters = 100;

std::string Typed(const std::vector<Element>& elements, bool escapeParentheses, bool fnc1) {
  std::string text;
  for (size_t i = 0; i < elements.size(); ++i) {
    text += "(" + elements[i].ai + ")";
    for (const char c : elements[i].data) {
      if (escapeParentheses && (c == '(' || c == ')'))
        text += '\\';
      text += c;
    }
    if (fnc1 && elements[i].variableLength && i + 1 < elements.size())
      text += '#';
  }
  return text;
}

bool InPanelTable(const ExpandedCase& c) {
  return std::all_of(c.elements.begin(), c.elements.end(),
                     [](const Element& e) { return panels::FindAiRow(e.ai) != nullptr; });
}

// Runs of digits, of upper-case letters and digits, and of every character the code field takes.
std::string TableData(std::mt19937_64& random, int length, bool digitsOnly) {
  static constexpr std::string_view kSets[] = {
      "0123456789", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ*,-./",
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz !\"%&'()*+,-./:;<>=?_"};
  const auto uniform = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  std::string data;
  while (static_cast<int>(data.size()) < length) {
    const std::string_view set = kSets[digitsOnly ? 0 : uniform(0, 2)];
    for (int run = uniform(1, 8); run > 0 && static_cast<int>(data.size()) < length; --run)
      data += set[uniform(0, static_cast<int>(set.size()) - 1)];
  }
  return data;
}

}  // namespace

std::string ExpandedCase::Code() const {
  return Typed(elements, true, false);
}

std::string ExpandedCase::CompositeText() const {
  return Typed(compositeElements, false, true);
}

std::string ExpandedCase::Decoded() const {
  return Typed(elements, false, false);
}

std::string ExpandedCaseGenerator::Digits(int count) {
  std::string digits;
  for (int i = 0; i < count; ++i)
    digits += static_cast<char>('0' + Uniform(0, 9));
  return digits;
}

std::string ExpandedCaseGenerator::Gtin(bool indicator9) {
  const std::string digits = (indicator9 ? "9" : Digits(1)) + Digits(12);
  return digits + std::to_string(databar::ComputeCheckDigit(digits.c_str()));
}

// Mostly dates the compressed form carries (day 00 included), sometimes one it cannot.
std::string ExpandedCaseGenerator::Date() {
  const int month = Uniform(0, 9) == 0 ? Uniform(0, 99) : Uniform(1, 12);
  const int day = Uniform(0, 9) == 0 ? Uniform(32, 99) : Uniform(0, 31);
  char text[7];
  std::snprintf(text, sizeof text, "%02d%02d%02d", Uniform(0, 99), month, day);
  return text;
}

Element ExpandedCaseGenerator::FromTable() {
  const panels::AiTableRow& row = panels::AiTable[Uniform(0, panels::kAiTableRowCount - 1)];
  std::string ai(row.ai);
  while (static_cast<int>(ai.size()) < row.aiDigits)
    ai += static_cast<char>('0' + Uniform(0, 9));
  if (ai == "01")
    return {ai, Gtin(Uniform(0, 1) == 1), false};
  const int longest = std::min(row.maxLength - row.aiDigits, panels::kMaxAiDataLength);
  const int length = row.variableLength ? Uniform(1, longest) : longest;
  // FNC1 follows the data of a variable-length AI, and of the fixed-length ones outside the
  // predefined lengths (8001, 8005, 8006, 8018, 8100 to 8102).
  const bool fnc1 = row.variableLength || ai.starts_with("80") || ai.starts_with("81");
  return {ai, TableData(random_, length, !row.alphanumeric), fnc1};
}

// 2D data the panel takes: no parentheses in the data (they are shown only), at most 100
// characters as typed.
std::vector<Element> ExpandedCaseGenerator::CompositeElements() {
  for (;;) {
    std::vector<Element> elements = compositeGenerator_.Next(Uniform(4, 60));
    for (Element& element : elements) {
      std::replace(element.data.begin(), element.data.end(), '(', '<');
      std::replace(element.data.begin(), element.data.end(), ')', '>');
    }
    ExpandedCase probe;
    probe.compositeElements = elements;
    const std::string typed = probe.CompositeText();
    if (typed.size() <= kCompositeFieldCharacters && panels::Valid2DText(typed))
      return elements;
  }
}

ExpandedCase ExpandedCaseGenerator::Next() {
  ExpandedCase c;
  std::vector<Element>& e = c.elements;
  const auto weight = [this](int largest) {
    char text[7];
    std::snprintf(text, sizeof text, "%06d", Uniform(0, largest));
    return std::string(text);
  };
  bool more = true;  // AIs from the table may follow
  const int kind = count_++ % 10;
  switch (kind) {
    case 0:  // 3103 in 15 bits, or beyond them
      e = {{"01", Gtin(true), false}, {"3103", weight(40000), false}};
      more = false;
      break;
    case 1:  // 3202 or 3203 in 15 bits, or beyond them
      e = {{"01", Gtin(true), false},
           {Uniform(0, 1) ? "3202" : "3203", weight(Uniform(0, 1) ? 12000 : 25000), false}};
      more = false;
      break;
    case 2:  // a price, not in the panel's table
      e = {{"01", Gtin(true), false}, {"392" + Digits(1), Digits(Uniform(1, 15)), true}};
      break;
    case 3:  // a price with its currency, not in the panel's table
      e = {{"01", Gtin(true), false}, {"393" + Digits(1), Digits(3 + Uniform(1, 15)), true}};
      break;
    case 4:  // a weight in 20 bits without a date
    case 5:  // and with a date
      e = {{"01", Gtin(true), false},
           {(Uniform(0, 1) ? "310" : "320") + Digits(1), weight(120000), false}};
      if (kind == 5)
        e.push_back({Uniform(0, 1) ? (Uniform(0, 1) ? "11" : "13") : (Uniform(0, 1) ? "15" : "17"),
                     Date(), false});
      more = Uniform(0, 4) == 0;
      break;
    case 6:  // a GTIN of any indicator, then anything
      e = {{"01", Gtin(Uniform(0, 1) == 1), false}};
      break;
    default:
      break;
  }
  const size_t target = static_cast<size_t>(Uniform(10, panels::kMaxCodeLength));
  for (int attempt = 0; (more || e.empty()) && attempt < 20 && c.Code().size() < target;
       ++attempt) {
    const Element candidate = FromTable();
    const bool seen = std::any_of(e.begin(), e.end(),
                                  [&](const Element& other) { return other.ai == candidate.ai; });
    e.push_back(candidate);
    if (seen || c.Code().size() > static_cast<size_t>(panels::kMaxCodeLength))
      e.pop_back();
  }
  if (count_ % 4 == 0)
    c.compositeElements = CompositeElements();
  return c;
}

ExpandedMaker::ExpandedMaker() {
  emulator_.NewDocument();
}

ExpandedMaker::Made ExpandedMaker::Rows(const ExpandedCase& c, int segmentsPerRow) {
  Made made;
  databar::CGS1DataBarSymbol symbol;
  if (InPanelTable(c)) {
    panels::ExpandedForm form;
    form.code = c.Code();
    form.compositeText = c.CompositeText();
    form.segmentsPerRow = segmentsPerRow;
    panels::ExpandedRequest accepted;
    if (const auto failure = form.Validate(accepted)) {
      made.refusal = failure->message;
      return made;
    }
    made.result = form.Encode(symbol, accepted, {});
  } else {
    made.result = symbol.EncodeDataBar(databar::kExpanded, c.EncoderText().c_str(), nullptr,
                                       c.CompositeText().c_str(), 0.353, 12, 0.353, 0.706, 0.353, 0,
                                       segmentsPerRow, 0, 1, 0, 0, 0, 0, 0);
  }
  made.rows = databar::ModuleRows(symbol);
  return made;
}

std::string ExpandedMaker::WritePng(const ExpandedCase& c, int segmentsPerRow,
                                    const std::filesystem::path& file, int dpi) {
  const emulator::Document& document = emulator_.NewDocument();
  panels::ExpandedForm form;
  form.code = c.Code();
  form.compositeText = c.CompositeText();
  form.segmentsPerRow = segmentsPerRow;
  const panels::DataBarResult result = form.CreateSymbol();
  if (result.outcome != panels::DataBarOutcome::kCreated)
    return "not created: " + result.message;
  emulator::WriteOptions options;
  options.dpi = dpi;
  return emulator::WriteDocument(document, file.string(), options).error;
}

}  // namespace peers
