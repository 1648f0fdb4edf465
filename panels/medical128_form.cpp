#include "panels/medical128_form.h"

#include <cstring>
#include <optional>
#include <utility>

#include "gs1_128/medical128_art.h"
#include "gs1_128/medical128_elements.h"
#include "gs1_128/medical128_symbol.h"
#include "gs1_128/mod10_check.h"
#include "host/geometry.h"
#include "host/suite_pointers.h"
#include "panels/character_rules.h"
#include "panels/gs1_message.h"
#include "panels/length_field.h"
#include "panels/messages.h"
#include "panels/symbol_creation.h"
#include "textengine/exception.h"

namespace panels {

namespace {

constexpr std::size_t kProductCodeLength = 13;
constexpr std::size_t kExpiryLength = 6;
constexpr std::size_t kMaxQuantityLength = 8;
constexpr std::size_t kMaxLotLength = 20;
constexpr std::size_t kNumberFieldLength = 5;

// The punctuation marks a lot number may hold in code sets A and B.
constexpr char kLotMarks[] = "!\"%&'*()+,-./:;<=>?_";

struct FieldFailure {
  const char* message;
  Medical128Control focus;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLotCharacter(char c, bool lowerCaseAllowed) {
  if (IsDigit(c) || (c >= 'A' && c <= 'Z')) {
    return true;
  }
  if (lowerCaseAllowed && c >= 'a' && c <= 'z') {
    return true;
  }
  return c != '\0' && std::strchr(kLotMarks, c) != nullptr;
}

bool IsValidLot(std::string_view lot, int codeSet) {
  if (lot.size() > kMaxLotLength) {
    return false;
  }
  if (codeSet == gs1_128::kLotCodeC) {
    return IsDigits(lot) && lot.size() % 2 == 0;
  }
  for (const char c : lot) {
    // The automatic choice may use code set B, and so takes what B takes.
    if (!IsLotCharacter(c, codeSet == gs1_128::kLotCodeB || codeSet == gs1_128::kLotCodeAuto)) {
      return false;
    }
  }
  return true;
}

const char* LotMessage(int codeSet) {
  if (codeSet == gs1_128::kLotCodeB) {
    return kMsgLotCodeB.japanese;
  }
  if (codeSet == gs1_128::kLotCodeC) {
    return kMsgLotCodeC.japanese;
  }
  if (codeSet == gs1_128::kLotCodeAuto) {
    return kMsgLotCodeAuto.japanese;
  }
  return kMsgLotCodeA.japanese;
}

// A passing quantity as its decimal value without leading zeros; empty stays empty.
std::optional<std::string> NormalisedQuantity(std::string_view quantity) {
  if (quantity.empty()) {
    return std::string();
  }
  if (quantity.size() > kMaxQuantityLength || !IsDigits(quantity)) {
    return std::nullopt;
  }
  const std::size_t first = quantity.find_first_not_of('0');
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  return std::string(quantity.substr(first));
}

// Rules 1 to 5 in order; the quantity is normalised on the way.
std::optional<FieldFailure> CheckDataFields(const Medical128Form& form, std::string& quantity) {
  if (form.productCode.size() != kProductCodeLength || !IsDigits(form.productCode)) {
    return FieldFailure{kMsgProductCode.japanese, Medical128Control::kProductCode};
  }
  if (!form.expiry.empty() && (form.expiry.size() != kExpiryLength || !IsDigits(form.expiry))) {
    return FieldFailure{kMsgExpiry.japanese, Medical128Control::kExpiry};
  }
  const std::optional<std::string> normalised = NormalisedQuantity(form.quantity);
  if (!normalised) {
    return FieldFailure{kMsgQuantity.japanese, Medical128Control::kQuantity};
  }
  quantity = *normalised;
  if (!IsValidLot(form.lot, form.lotCodeSet)) {
    return FieldFailure{LotMessage(form.lotCodeSet), Medical128Control::kLot};
  }
  if (!gs1_128::FitsCapacity(form.expiry, quantity, form.lot)) {
    return FieldFailure{kMsgCapacity.japanese, Medical128Control::kLot};
  }
  return std::nullopt;
}

// Reads at most 5 characters of the field, rounds to three decimals, checks the range and on
// success writes the "%.3f" text back.
bool ValidateNumberField(std::string& field, double minimum, double maximum, double& value) {
  const std::optional<double> read =
      ReadDecimal(std::string_view(field).substr(0, kNumberFieldLength));
  if (!read) {
    return false;
  }
  std::string formatted = FormatLength(*read);
  const std::optional<double> rounded = ReadDecimal(formatted);
  if (!rounded || *rounded < minimum || *rounded > maximum) {
    return false;
  }
  field = std::move(formatted);
  value = *rounded;
  return true;
}

std::string WithIdentifier(const char* identifier, const std::string& value) {
  return value.empty() ? std::string() : identifier + value;
}

// A new group on top inside the current layer's first art.
host::ErrorCode NewSymbolGroup(host::LayerHandle layer, host::ArtHandle& group) {
  host::ArtHandle first = nullptr;
  const host::ErrorCode error = host::sArt->GetFirstArtOfLayer(layer, &first);
  if (error != host::kNoError) {
    return error;
  }
  return host::sArt->NewArt(host::kGroupArt, host::kPlaceInsideOnTop, first, &group);
}

}  // namespace

void Medical128Form::RefreshCheckDigit() {
  checkDigit.clear();
  if (productCode.size() == kProductCodeLength && IsDigits(productCode)) {
    checkDigit = gs1_128::Mod10CheckCharacter(productCode);
  }
}

void Medical128Form::ClearData() {
  productCode.clear();
  expiry.clear();
  quantity.clear();
  lot.clear();
  checkDigit.clear();
  focus = Medical128Control::kProductCode;
}

void Medical128Form::ResetDimensions() {
  height = "17.000";
  narrowWidthEntry = 2;
  narrowWidthText = kNarrowWidthEntries[narrowWidthEntry];
  barWidthReduction = kNoBarWidthReduction;
}

bool Medical128Form::ValidateHeight(double& millimetres) {
  return ValidateNumberField(height, 1, 200, millimetres);
}

bool Medical128Form::ValidateNarrowWidth(double& millimetres) {
  if (narrowWidthEntry >= 0 && narrowWidthEntry < kNarrowWidthEntryCount) {
    narrowWidthText = kNarrowWidthEntries[narrowWidthEntry];
  }
  return ValidateNumberField(narrowWidthText, 0.1, 9.999, millimetres);
}

bool Medical128Form::ValidateBarWidthReduction(double narrowWidth, double& millimetres) {
  return AcceptBarWidthReduction(barWidthReduction, narrowWidth, millimetres, kNumberFieldLength);
}

std::optional<Medical128Failure> Medical128Form::Validate(Medical128Request& request) {
  std::optional<FieldFailure> failure = CheckDataFields(*this, request.quantity);
  if (!failure) {
    if (const std::optional<Gs1DataFault> fault = Gs1Fault(request.quantity)) {
      return Medical128Failure{fault->message.japanese,
                               static_cast<Medical128Control>(fault->field),
                               fault->message.english};
    }
  }
  if (!failure && !ValidateHeight(request.barHeight)) {
    failure = FieldFailure{kMsgHeightFrom1.japanese, Medical128Control::kHeight};
  }
  if (!failure && !ValidateNarrowWidth(request.narrowWidth)) {
    failure = FieldFailure{kMsgNarrowWidth.japanese, Medical128Control::kNarrowWidth};
  }
  if (!failure && !ValidateBarWidthReduction(request.narrowWidth, request.barWidthReduction)) {
    failure =
        FieldFailure{kMsgNarrowBarWidthReduction.japanese, Medical128Control::kBarWidthReduction};
  }
  if (failure) {
    return Medical128Failure{failure->message, failure->focus};
  }
  request.gtin = productCode + gs1_128::Mod10CheckCharacter(productCode);
  request.expiry = expiry;
  request.lot = lot;
  request.lotCodeSet = lotCodeSet;
  return std::nullopt;
}

std::optional<Gs1DataFault> Medical128Form::Gs1Fault(const std::string& normalisedQuantity) const {
  Gs1Message message;
  message.Add("01", productCode + gs1_128::Mod10CheckCharacter(productCode),
              static_cast<int>(Medical128Control::kProductCode));
  struct Element {
    std::string_view ai;
    const std::string& data;  // empty when the field was left empty
    Medical128Control field;
  };
  const Element others[] = {{"17", expiry, Medical128Control::kExpiry},
                            {"30", normalisedQuantity, Medical128Control::kQuantity},
                            {"10", lot, Medical128Control::kLot}};
  for (const Element& element : others) {
    if (!element.data.empty())
      message.Add(element.ai, element.data, static_cast<int>(element.field));
  }
  return message.FirstFault();
}

bool Medical128Request::SetUp(gs1_128::CMedical128Symbol& symbol) const {
  if (!symbol.SetElements("01" + gtin, WithIdentifier("17", expiry), WithIdentifier("30", quantity),
                          WithIdentifier("10", lot), lotCodeSet)) {
    return false;
  }
  symbol.SetDimensions(narrowWidth, barHeight);
  symbol.SetBarWidthReduction(barWidthReduction);
  return true;
}

std::string Medical128Request::HumanReadableText() const {
  return "(01)" + gtin + WithIdentifier("(17)", expiry) + WithIdentifier("(30)", quantity) +
         WithIdentifier("(10)", lot);
}

Medical128Result Medical128Form::CreateMedical128() {
  focus = Medical128Control::kNone;
  const Placement placement = DocumentViewCentre();

  Medical128Request request;
  if (const std::optional<Medical128Failure> failure = Validate(request)) {
    ShowMessageAlert(failure->message.c_str());
    focus = failure->focus;
    return {Medical128Outcome::kFieldRejected, host::kNoError, failure->message, failure->english};
  }
  gs1_128::CMedical128Symbol symbol;
  if (!request.SetUp(symbol)) {
    return {Medical128Outcome::kNotEncodable};
  }

  host::LayerHandle layer = nullptr;
  if (host::sLayer->GetCurrentLayer(&layer) != host::kNoError) {
    ShowMessageAlert(kMsgNoDocument.japanese);
    return {Medical128Outcome::kNoDocument, host::kNoError, kMsgNoDocument.japanese,
            kMsgNoDocument.english};
  }
  // Without the view's centre there is no place for the symbol.
  if (placement.error != host::kNoError) {
    return {Medical128Outcome::kHostFailure, placement.error};
  }
  const host::FixedPoint position = placement.point;
  host::ArtHandle group = nullptr;
  if (const host::ErrorCode error = NewSymbolGroup(layer, group); error != host::kNoError) {
    return {Medical128Outcome::kHostFailure, error};
  }

  gs1_128::CMedical128Art target(group);
  try {
    const host::ErrorCode drawn =
        symbol.DrawMedical128(target, position.h, position.v, request.HumanReadableText());
    if (drawn == gs1_128::CMedical128Symbol::kTextTooLong) {
      return {Medical128Outcome::kNotEncodable};
    }
    if (drawn != host::kNoError) {
      return {Medical128Outcome::kHostFailure, drawn};
    }
  } catch (const ATE::Exception& exception) {
    return {Medical128Outcome::kHostFailure, exception.code()};
  }
  return {};
}

}  // namespace panels
