#include "panels/expanded_form.h"

#include <iterator>

#include "art/databar_drawing.h"
#include "composite/expanded_characters.h"
#include "composite/size_tables.h"
#include "core/encode_error.h"
#include "panels/character_rules.h"
#include "panels/gs1_message.h"
#include "panels/length_field.h"
#include "panels/messages.h"

namespace panels {

namespace {

constexpr double kShortestRow = 1;
constexpr double kTallestRow = 200;
constexpr int kMinSegmentsWithComposite = 4;
constexpr int kHeightModules = 34;  // the minimum height, in module widths
constexpr int kCompositeColumns = 4;

// The length fields in the order they are checked.
struct LengthRule {
  std::string DataBarLengthTexts::*field;
  double DataBarLengths::*value;
  double lowerBound;
  double upperBound;
  const char* message;
  ExpandedField focus;
};

constexpr LengthRule kLengthRules[] = {
    {&DataBarLengthTexts::moduleWidth, &DataBarLengths::moduleWidth, kSmallestLength,
     kThinLengthLimit, kMsgModuleWidth.japanese, ExpandedField::kModuleWidth},
    {&DataBarLengthTexts::height, &DataBarLengths::height, kShortestRow, kTallestRow,
     kMsgHeightFrom1.japanese, ExpandedField::kHeight},
    {&DataBarLengthTexts::separatorHeight, &DataBarLengths::separatorHeight, kSmallestLength,
     kThinLengthLimit, kMsgSeparatorHeight.japanese, ExpandedField::kSeparatorHeight},
    {&DataBarLengthTexts::compositeRowHeight, &DataBarLengths::compositeRowHeight, kSmallestLength,
     kThinLengthLimit, kMsgCompositeRowHeight.japanese, ExpandedField::kCompositeRowHeight},
    {&DataBarLengthTexts::stackedSeparatorHeight, &DataBarLengths::stackedSeparatorHeight,
     kSmallestLength, kThinLengthLimit, kMsgStackedSeparatorHeight.japanese,
     ExpandedField::kStackedSeparatorHeight},
};

// Names the limit the 2D data exceeds: the largest component of 4 columns.
std::string CompositeTooLongMessage() {
  const composite::CompositeSizeTable& table = *composite::SizeTableFor(kCompositeColumns);
  const composite::CompositeSize& largest = table.sizes[table.count - 1];
  return FormatMessage(kMsgExpandedCompositeTooLong.japanese, kCompositeColumns, largest.bits,
                       largest.rows);
}

constexpr int kCodeField = static_cast<int>(ExpandedField::kCode);
constexpr int kCompositeField = static_cast<int>(ExpandedField::kCompositeText);

// The element strings of the parsed code, each "(AI)data" line split at its ')'.
Gs1Message CodeElements(const ParsedCode& parsed) {
  Gs1Message message;
  for (int i = 0; i < parsed.fieldCount; ++i) {
    const std::string_view line = parsed.FieldString(i);
    const size_t close = line.find(')');
    message.AddAcceptedByAiTable(line.substr(1, close - 1), line.substr(close + 1), kCodeField);
  }
  return message;
}

ExpandedFailure Gs1Failure(const Gs1DataFault& fault) {
  return {fault.message.japanese, static_cast<ExpandedField>(fault.field), fault.message.english};
}

}  // namespace

std::vector<gs1::UserMessage> ExpandedForm::Gs1Warnings() const {
  ParsedCode parsed;
  if (!ParseCodeText(code, parsed).ok)
    return {};
  Gs1Message message = CodeElements(parsed);
  if (HasCompositeData(compositeText))
    message.AddCompositeText(compositeText, kCompositeField);
  return message.UnmetRequirements();
}

void ExpandedForm::ClearData() {
  code.clear();
  compositeText.clear();
  focus = ExpandedField::kCode;
}

void ExpandedForm::RefreshMinimums() {
  const std::optional<LengthReading> x = ReadLength(lengths.moduleWidth, kThinLengthLimit);
  if (!x)
    return;
  minimums.moduleWidth = kMinimumModuleWidth;
  minimums.height = MinimumText(kHeightModules * x->value);
  minimums.separatorHeight = MinimumText(x->value);
  minimums.compositeRowHeight = MinimumText(2 * x->value);
  minimums.stackedSeparatorHeight = MinimumText(x->value);
}

void ExpandedForm::ApplyMinimums() {
  // The Expanded form shows no second row height: its minimum stays empty, as its field.
  CopyMinimums(minimums, lengths);
}

void ExpandedForm::ApplyDefaults() {
  lengths.moduleWidth = kDefaultModuleWidth;
  RefreshMinimums();
  ApplyMinimums();
  lengths.barWidthReduction = kNoBarWidthReduction;
  segmentsPerRow = kMaxSegmentsPerRow;
  showText = true;
  showCompositeText = false;
}

std::optional<ExpandedFailure> ExpandedForm::Validate(ExpandedRequest& accepted) {
  accepted = ExpandedRequest{};
  if (code.size() > static_cast<size_t>(kMaxCodeLength))
    return ExpandedFailure{kMsgTooMuchData.japanese, ExpandedField::kCode};
  if (!ValidCodeText(code, CodeView::kMain))
    return ExpandedFailure{kMsgCodeCharacters.japanese, ExpandedField::kCode};
  if (const ParseResult parsed = ParseCodeText(code, accepted.code); !parsed.ok)
    return ExpandedFailure{parsed.message, ExpandedField::kCode};
  Gs1Message message = CodeElements(accepted.code);
  if (const std::optional<Gs1DataFault> fault = message.FirstFault())
    return Gs1Failure(*fault);
  if (!IsValidCompositeText(compositeText))
    return ExpandedFailure{kMsgExpandedCompositeCharacters.japanese, ExpandedField::kCompositeText};
  if (HasCompositeData(compositeText)) {
    std::optional<Gs1DataFault> fault = message.AddCompositeText(compositeText, kCompositeField);
    if (!fault)
      fault = message.FirstFault();
    if (fault)
      return Gs1Failure(*fault);
  }
  for (const LengthRule& rule : kLengthRules) {
    if (!AcceptLength(lengths.*rule.field, rule.upperBound, accepted.lengths.*rule.value,
                      rule.lowerBound)) {
      return ExpandedFailure{rule.message, rule.focus};
    }
  }
  if (!AcceptBarWidthReduction(lengths.barWidthReduction, accepted.lengths.moduleWidth,
                               accepted.lengths.barWidthReduction)) {
    return ExpandedFailure{kMsgBarWidthReduction.japanese, ExpandedField::kBarWidthReduction};
  }
  if (!compositeText.empty() && segmentsPerRow < kMinSegmentsWithComposite)
    return ExpandedFailure{kMsgCompositeNeedsFourSegments.japanese, ExpandedField::kSegments};
  return std::nullopt;
}

int32_t ExpandedForm::Encode(databar::CGS1DataBarSymbol& symbol, const ExpandedRequest& accepted,
                             host::FixedPoint placement) const {
  const DataBarLengths& l = accepted.lengths;
  symbol.SetBarWidthReduction(l.barWidthReduction);
  return symbol.EncodeDataBar(databar::kExpanded, accepted.code.encoderText,
                              accepted.code.fieldStrings, compositeText.c_str(), l.moduleWidth,
                              l.height, l.separatorHeight, l.compositeRowHeight,
                              l.stackedSeparatorHeight, 0, segmentsPerRow, showText, 1, 0, 0,
                              showCompositeText, placement.h, placement.v);
}

ExpandedFailure ExpandedForm::EncodeFailure(const ExpandedRequest& accepted, int32_t error) const {
  // The element string alone tells whether the linear part is what does not fit.
  composite::ExpandedPairs pairs{};
  if (composite::FormExpandedCharacters(accepted.code.encoderText, segmentsPerRow,
                                        !compositeText.empty(), pairs) == 0) {
    return {databar::EncodeError == databar::kDataTooLong ? kMsgCodeTooLong.japanese
                                                          : kMsgCodeNotEncodable.japanese,
            ExpandedField::kCode};
  }
  if (compositeText.empty())
    return {kMsgCodeNotEncodable.japanese, ExpandedField::kCode};
  if (error == databar::kDataTooLong || error == databar::kInternalOverflow)
    return {CompositeTooLongMessage(), ExpandedField::kCompositeText};
  return {kMsgExpandedCompositeNotEncodable.japanese, ExpandedField::kCompositeText};
}

host::ErrorCode ExpandedForm::Draw(databar::CGS1DataBarSymbol& symbol,
                                   host::ArtHandle group) const {
  const art::CGS1DataBarArt target(group);
  host::Real cursorY = symbol.geometry().bottom;
  if (showText)
    art::DrawElementStrings(symbol, group, cursorY);
  if (const host::ErrorCode error = art::DrawBackground(symbol, target, cursorY))
    return error;
  if (const host::ErrorCode error = art::DrawSymbol(symbol, target, cursorY))
    return error;
  if (!compositeText.empty() && showCompositeText)
    art::DrawCompositeText(symbol, group, cursorY);
  return host::kNoError;
}

DataBarResult ExpandedForm::CreateSymbol() {
  return CreateEncodedSymbol<ExpandedRequest>(*this);
}

}  // namespace panels
