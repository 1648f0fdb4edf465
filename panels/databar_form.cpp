#include "panels/databar_form.h"

#include <string_view>

#include "art/databar_drawing.h"
#include "composite/size_tables.h"
#include "core/encode_error.h"
#include "databar/composite_attachment.h"
#include "databar/item_number.h"
#include "panels/character_rules.h"
#include "panels/gs1_message.h"
#include "panels/length_field.h"
#include "panels/messages.h"

namespace panels {

namespace {

constexpr size_t kItemNumberLength = 13;
constexpr double kRowHeightLimit = 200;     // the linear rows

bool IsValidItemNumber(std::string_view text, int32_t type) {
  if (text.size() != kItemNumberLength || !IsDigits(text))
    return false;
  return type != databar::kLimited || text[0] == '0' || text[0] == '1';
}

// Minimum of the height, in module widths, per type.
int HeightModules(int32_t type) {
  switch (type) {
    case databar::kTruncated:
      return 13;
    case databar::kStacked:
      return 5;
    case databar::kLimited:
      return 10;
    default:  // Omnidirectional, Stacked Omnidirectional
      return 33;
  }
}

// The label of the type list; a type outside the list is encoded as Omnidirectional.
const char* TypeLabel(int32_t type) {
  return type >= 0 && type < static_cast<int32_t>(std::size(kDataBarTypeLabels))
             ? kDataBarTypeLabels[type]
             : kDataBarTypeLabels[databar::kOmnidirectional];
}

// Names the limit the 2D data exceeds: the largest component of the type's column count. Data
// beyond the encoder's bit buffer exceeds it too.
std::string CompositeTooLongMessage(int32_t type) {
  const int columns = databar::CompositeColumns(type);
  const composite::CompositeSizeTable& table = *composite::SizeTableFor(columns);
  const composite::CompositeSize& largest = table.sizes[table.count - 1];
  return FormatMessage(kMsgCompositeTooLong.japanese, TypeLabel(type), columns, largest.bits,
                       largest.rows);
}

// The length fields in the order they are checked; the last two only for the stacked types.
struct LengthRule {
  std::string DataBarLengthTexts::*field;
  double DataBarLengths::*value;
  double upperBound;
  const char* message;
  DataBarField focus;
};

constexpr LengthRule kLengthRules[] = {
    {&DataBarLengthTexts::moduleWidth, &DataBarLengths::moduleWidth, kThinLengthLimit,
     kMsgModuleWidth.japanese, DataBarField::kModuleWidth},
    {&DataBarLengthTexts::height, &DataBarLengths::height, kRowHeightLimit, kMsgHeight.japanese,
     DataBarField::kHeight},
    {&DataBarLengthTexts::separatorHeight, &DataBarLengths::separatorHeight, kThinLengthLimit,
     kMsgSeparatorHeight.japanese, DataBarField::kSeparatorHeight},
    {&DataBarLengthTexts::compositeRowHeight, &DataBarLengths::compositeRowHeight, kThinLengthLimit,
     kMsgCompositeRowHeight.japanese, DataBarField::kCompositeRowHeight},
    {&DataBarLengthTexts::stackedSeparatorHeight, &DataBarLengths::stackedSeparatorHeight,
     kThinLengthLimit, kMsgStackedSeparatorHeight.japanese, DataBarField::kStackedSeparatorHeight},
    {&DataBarLengthTexts::secondRowHeight, &DataBarLengths::secondRowHeight, kRowHeightLimit,
     kMsgSecondRowHeight.japanese, DataBarField::kSecondRowHeight},
};

}  // namespace

const char* DataBarForm::MessageFor(DataBarField field) const {
  switch (field) {
    case DataBarField::kItemNumber:
      return type == databar::kLimited ? kMsgLimitedItemNumber.japanese : kMsgItemNumber.japanese;
    case DataBarField::kCompositeText:
      return kMsgCompositeText.japanese;
    case DataBarField::kBarWidthReduction:
      return kMsgBarWidthReduction.japanese;
    default:
      for (const LengthRule& rule : kLengthRules) {
        if (rule.focus == field)
          return rule.message;
      }
      return nullptr;
  }
}

bool DataBarForm::IsStackedType() const {
  return type == databar::kStacked || type == databar::kStackedOmnidirectional;
}

void DataBarForm::RefreshCheckDigit() {
  checkDigit.clear();
  if (IsValidItemNumber(itemNumber, type)) {
    checkDigit = std::to_string(databar::ComputeCheckDigit(itemNumber.c_str()));
  }
}

void DataBarForm::ClearData() {
  itemNumber.clear();
  compositeText.clear();
  checkDigit.clear();
  focus = DataBarField::kItemNumber;
}

void DataBarForm::RefreshMinimums() {
  const std::optional<LengthReading> x = ReadLength(lengths.moduleWidth, kThinLengthLimit);
  if (!x)
    return;
  const double moduleWidth = x->value;
  minimums.moduleWidth = kMinimumModuleWidth;
  minimums.height = MinimumText(HeightModules(type) * moduleWidth);
  minimums.separatorHeight = MinimumText(moduleWidth);
  minimums.compositeRowHeight = MinimumText(2 * moduleWidth);
  minimums.stackedSeparatorHeight = IsStackedType() ? MinimumText(moduleWidth) : "";
  minimums.secondRowHeight.clear();
  if (type == databar::kStacked)
    minimums.secondRowHeight = MinimumText(7 * moduleWidth);
  if (type == databar::kStackedOmnidirectional) {
    minimums.secondRowHeight = MinimumText(33 * moduleWidth);
  }
}

void CopyMinimums(const DataBarLengthTexts& minimums, DataBarLengthTexts& lengths) {
  lengths.height = minimums.height;
  lengths.separatorHeight = minimums.separatorHeight;
  lengths.compositeRowHeight = minimums.compositeRowHeight;
  lengths.stackedSeparatorHeight = minimums.stackedSeparatorHeight;
  lengths.secondRowHeight = minimums.secondRowHeight;
}

void DataBarForm::ApplyMinimums() {
  CopyMinimums(minimums, lengths);
}

void DataBarForm::ApplyDefaults() {
  lengths.moduleWidth = kDefaultModuleWidth;
  RefreshMinimums();
  ApplyMinimums();
  lengths.barWidthReduction = kNoBarWidthReduction;
  showText = true;
  fitText = true;
  textAsOutlines = true;
  textAsFrame = false;
  showCompositeText = false;
}

DataBarOptionStates DataBarForm::OptionStates() const {
  DataBarOptionStates states;
  states.stackedFields = IsStackedType();
  states.textModes = showText;
  states.fitText = showText && textAsOutlines;
  return states;
}

std::optional<DataBarFailure> DataBarForm::Validate(DataBarLengths& accepted) {
  if (!IsValidItemNumber(itemNumber, type)) {
    return DataBarFailure{MessageFor(DataBarField::kItemNumber), DataBarField::kItemNumber};
  }
  if (!IsValidCompositeText(compositeText)) {
    return DataBarFailure{MessageFor(DataBarField::kCompositeText), DataBarField::kCompositeText};
  }
  if (const std::optional<Gs1DataFault> fault = CompositeFault()) {
    return DataBarFailure{fault->message.japanese, DataBarField::kCompositeText,
                          fault->message.english};
  }
  accepted = DataBarLengths{};
  const size_t ruleCount = IsStackedType() ? std::size(kLengthRules) : std::size(kLengthRules) - 2;
  for (size_t i = 0; i < ruleCount; ++i) {
    const LengthRule& rule = kLengthRules[i];
    if (!AcceptLength(lengths.*rule.field, rule.upperBound, accepted.*rule.value)) {
      return DataBarFailure{rule.message, rule.focus};
    }
  }
  if (!AcceptBarWidthReduction(lengths.barWidthReduction, accepted.moduleWidth,
                               accepted.barWidthReduction)) {
    return DataBarFailure{kMsgBarWidthReduction.japanese, DataBarField::kBarWidthReduction};
  }
  return std::nullopt;
}

Gs1Message DataBarForm::Gs1Data(std::optional<Gs1DataFault>& readFault) const {
  Gs1Message message;
  const int itemField = static_cast<int>(DataBarField::kItemNumber);
  message.Add("01", itemNumber + std::to_string(databar::ComputeCheckDigit(itemNumber.c_str())),
              itemField);
  readFault =
      message.AddCompositeText(compositeText, static_cast<int>(DataBarField::kCompositeText));
  return message;
}

std::optional<Gs1DataFault> DataBarForm::CompositeFault() const {
  if (!HasCompositeData(compositeText))
    return std::nullopt;
  std::optional<Gs1DataFault> fault;
  const Gs1Message message = Gs1Data(fault);
  return fault ? fault : message.FirstFault();
}

std::vector<gs1::UserMessage> DataBarForm::Gs1Warnings() const {
  if (!HasCompositeData(compositeText))
    return {};
  std::optional<Gs1DataFault> fault;
  return Gs1Data(fault).UnmetRequirements();
}

int32_t DataBarForm::Encode(databar::CGS1DataBarSymbol& symbol, const DataBarLengths& accepted,
                            host::FixedPoint placement) const {
  symbol.SetBarWidthReduction(accepted.barWidthReduction);
  return symbol.EncodeDataBar(type, itemNumber.c_str(), nullptr, compositeText.c_str(),
                              accepted.moduleWidth, accepted.height, accepted.separatorHeight,
                              accepted.compositeRowHeight, accepted.stackedSeparatorHeight,
                              accepted.secondRowHeight, 0, showText, textAsOutlines, fitText,
                              textAsFrame, showCompositeText, placement.h, placement.v);
}

DataBarFailure DataBarForm::EncodeFailure(const DataBarLengths& /*accepted*/, int32_t error) const {
  if (compositeText.empty())
    return {kMsgCodeNotEncodable.japanese, DataBarField::kItemNumber};
  if (error == databar::kDataTooLong || error == databar::kInternalOverflow)
    return {CompositeTooLongMessage(type), DataBarField::kCompositeText};
  return {kMsgCompositeNotEncodable.japanese, DataBarField::kCompositeText};
}

host::ErrorCode DataBarForm::Draw(databar::CGS1DataBarSymbol& symbol, host::ArtHandle group) const {
  const art::CGS1DataBarArt target(group);
  host::Real cursorY = symbol.geometry().bottom;
  if (showText && textAsFrame)
    art::DrawItemText(symbol, group, cursorY);
  if (const host::ErrorCode error = art::DrawBackground(symbol, target, cursorY))
    return error;
  if (showText && textAsOutlines) {
    if (const host::ErrorCode error =
            art::DrawItemOutlines(symbol, art::CTextPathGS1DataBarArt(group), cursorY))
      return error;
  }
  if (const host::ErrorCode error = art::DrawSymbol(symbol, target, cursorY))
    return error;
  if (!compositeText.empty() && showCompositeText)
    art::DrawCompositeText(symbol, group, cursorY);
  return host::kNoError;
}

DataBarResult DataBarForm::CreateSymbol() {
  return CreateEncodedSymbol<DataBarLengths>(*this);
}

}  // namespace panels
