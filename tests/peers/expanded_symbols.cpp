#include "tests/peers/expanded_symbols.h"

#include <algorithm>

#include "databar/gs1_databar_symbol.h"
#include "databar/item_number.h"
#include "emulator/document_writer.h"
#include "gs1/ai_syntax.h"
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

// Runs of digits, of upper-case letters and digits, and of every character GS1 data may hold.
std::string TableData(std::mt19937_64& random, int length, bool digitsOnly) {
  static constexpr std::string_view kSets[] = {
      "0123456789", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ*,-./",
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz!\"%&'()*+,-./:;<>=?_"};
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

// Data whose last digit is a GS1 check digit gets the right one.
void WithCheckDigit(Element& element) {
  const gs1::AiSyntax* row = gs1::FindAiSyntax(element.ai);
  if (row == nullptr || row->partCount != 1 || element.data.size() != row->parts[0].maxLength)
    return;
  const auto checks = row->parts[0].Checks();
  if (std::find(checks.begin(), checks.end(), gs1::Check::kCsum) == checks.end())
    return;
  std::string& data = element.data;
  data.back() =
      static_cast<char>('0' + databar::ComputeCheckDigit(data.substr(0, data.size() - 1).c_str()));
}

// Whether the Expanded panel's form takes the case's code and 2D text: the cases are GS1 data
// that a reader can act on, so the form's checks refuse none of them.
bool FormAccepts(const ExpandedCase& c) {
  panels::ExpandedForm form;
  form.code = c.Code();
  form.compositeText = c.CompositeText();
  panels::ExpandedRequest accepted;
  return !form.Validate(accepted);
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

// Dates the compressed form carries, day 00 (a whole month) included. The panel refuses any
// other, so the encoder's way with them is left to its own tests.
std::string ExpandedCaseGenerator::Date() {
  constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int year = Uniform(0, 99);
  const int month = Uniform(1, 12);
  const int days = month == 2 && year % 4 != 0 ? 28 : kDays[month - 1];
  char text[7];
  std::snprintf(text, sizeof text, "%02d%02d%02d", year, month, Uniform(0, days));
  return text;
}

Element ExpandedCaseGenerator::FromTable() {
  // The table's row 43 is no GS1 AI: the GS1 AIs that begin with 43 have four digits, so a reader
  // takes the first two data characters for the rest of the AI. The panel's table decides that
  // it is taken; the cases leave it out, as no reader gives back what was typed.
  const panels::AiTableRow* pick = nullptr;
  do {
    pick = &panels::AiTable[Uniform(0, panels::kAiTableRowCount - 1)];
  } while (pick->ai == "43");
  const panels::AiTableRow& row = *pick;
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
  Element element{ai, TableData(random_, length, !row.alphanumeric), fnc1};
  WithCheckDigit(element);
  return element;
}

// 2D data the panel takes beside the case's code: no parentheses in the data (they are shown
// only), at most 100 characters as typed, GS1 data that the form's checks accept. The
// composite generator also makes data that they refuse (a random (01), a month 13, a space):
// such data is drawn again.
std::vector<Element> ExpandedCaseGenerator::CompositeElements(const ExpandedCase& c) {
  constexpr int kAttempts = 1000;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::vector<Element> elements = compositeGenerator_.Next(Uniform(4, 60));
    for (Element& element : elements) {
      std::replace(element.data.begin(), element.data.end(), '(', '<');
      std::replace(element.data.begin(), element.data.end(), ')', '>');
    }
    ExpandedCase probe = c;
    probe.compositeElements = elements;
    const std::string typed = probe.CompositeText();
    if (typed.size() <= kCompositeFieldCharacters && panels::Valid2DText(typed) &&
        (!InPanelTable(probe) || FormAccepts(probe)))
      return elements;
  }
  return {};
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
    if (seen || c.Code().size() > static_cast<size_t>(panels::kMaxCodeLength) ||
        (InPanelTable(c) && !FormAccepts(c)))
      e.pop_back();
  }
  if (count_ % 4 == 0)
    c.compositeElements = CompositeElements(c);
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
