#include "tests/peers/gs1_cases.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "gs1/ai_syntax_rows.h"
#include "gs1/characters.h"
#include "gs1/content_checks.h"
#include "gs1/iso_code_lists.h"
#include "gs1/iso_codes.h"

namespace peers {
namespace {

using gs1::AiSyntax;
using gs1::Check;
using gs1::DataPart;
using gs1::FaultKind;

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kCheckPairCharacters = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr std::string_view kSet39 = "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kSet39WithoutFnc1 = "-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kSet64 =
    "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
// Set 82 without the parentheses, which the bracketed form cannot carry in data.
constexpr std::string_view kSet82 =
    "!\"%&'*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kSet82WithoutPercent =
    "!\"&'*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
// Characters outside each set that both forms and bwip-js take as data (unlike '#', '^', '$', '\'
// and the parentheses). '=' is left out of set 64's: bwip-js takes it as base 64 padding.
constexpr std::string_view kNotDigits = "AZaz-. ";
constexpr std::string_view kNotSet82 = " ~@[]{}|`";
constexpr std::string_view kNotSet39 = "az!%&.";
constexpr std::string_view kNotSet64 = "+/.!%";
// Characters of set 82 that are not importer indexes.
constexpr std::string_view kNotImporterIndex = "!\"%&'*+,./:;<=>?";
// Package type codes of UN/ECE Recommendation 21 that bwip-js knows.
constexpr std::string_view kPackageTypes[] = {"BX", "CT", "PK", "1A", "CS", "BG", "PX", "4G"};
// Each part's content check against which a fault kind is made.
struct FaultChecks {
  FaultKind fault;
  std::vector<Check> checks;
};
const FaultChecks kFaultChecks[] = {
    {FaultKind::kCheckDigit, {Check::kCsum}},
    {FaultKind::kCheckCharacters, {Check::kCsumAlpha}},
    {FaultKind::kMonth, {Check::kYymmdd, Check::kYymmd0, Check::kYyyymmdd}},
    {FaultKind::kDay, {Check::kYymmdd, Check::kYymmd0, Check::kYyyymmdd}},
    {FaultKind::kHour, {Check::kHhmi, Check::kHh}},
    {FaultKind::kMinute, {Check::kHhmi, Check::kMi}},
    {FaultKind::kSecond, {Check::kSs}},
    {FaultKind::kNotZero, {Check::kZero}},
    {FaultKind::kAllZeros, {Check::kNonzero}},
    {FaultKind::kLeadingZero, {Check::kNoZeroPrefix}},
    {FaultKind::kOnlyDigits, {Check::kHasNonDigit}},
    {FaultKind::kNotYesNo, {Check::kYesNo}},
    {FaultKind::kWinding, {Check::kWinding}},
    {FaultKind::kPieceOfTotal, {Check::kPieceOfTotal}},
    {FaultKind::kPositionInSequence, {Check::kPosInSeqSlash}},
    {FaultKind::kNotHyphen, {Check::kHyphen}},
    {FaultKind::kPercentEncoding, {Check::kPcenc}},
    {FaultKind::kCountry, {Check::kIso3166}},
    {FaultKind::kCountryOr999, {Check::kIso3166999}},
    {FaultKind::kCountryAlpha2, {Check::kIso3166Alpha2}},
    {FaultKind::kCurrency, {Check::kIso4217}},
    {FaultKind::kSex, {Check::kIso5218}},
    {FaultKind::kIban, {Check::kIban}},
    {FaultKind::kIbanCheckDigits, {Check::kIban}},
    {FaultKind::kLatitude, {Check::kLatitude}},
    {FaultKind::kLongitude, {Check::kLongitude}},
    {FaultKind::kImporterIndex, {Check::kImporterIdx}},
    {FaultKind::kMediaType, {Check::kMediaType}},
};

bool HasCheck(const DataPart& part, Check check) {
  const auto checks = part.Checks();
  return std::find(checks.begin(), checks.end(), check) != checks.end();
}

bool HasAnyCheck(const DataPart& part, const std::vector<Check>& checks) {
  return std::any_of(checks.begin(), checks.end(), [&](Check c) { return HasCheck(part, c); });
}

// The check that decides how a valid part is made: the first that is not the company prefix's.
std::optional<Check> PrimaryCheck(const DataPart& part) {
  for (const Check check : part.Checks()) {
    if (check != Check::kGcpPos1 && check != Check::kGcpPos2) {
      return check;
    }
  }
  return std::nullopt;
}

std::string Padded(uint64_t value, int digits) {
  std::string text = std::to_string(value);
  return std::string(digits - std::min<int>(digits, text.size()), '0') + text;
}

bool IsLeap(int year, bool fourDigits) {
  return fourDigits ? year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) : year % 4 == 0;
}

int DaysIn(int month, int year, bool fourDigits) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year, fourDigits) ? 29 : kDays[month - 1];
}

int MaxTotal(const AiSyntax& row) {
  int length = 0;
  for (const DataPart& part : row.Parts()) {
    length += part.maxLength;
  }
  return length;
}

int MinTotal(const AiSyntax& row) {
  int length = 0;
  for (const DataPart& part : row.Parts()) {
    length += part.optional ? 0 : part.minLength;
  }
  return length;
}

bool JudgedOtherwise(std::string_view currency) {
  return std::find(std::begin(kCurrenciesJudgedOtherwise), std::end(kCurrenciesJudgedOtherwise),
                   currency) != std::end(kCurrenciesJudgedOtherwise);
}

std::string Join(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) {
    text += part;
  }
  return text;
}

std::string IbanWithCheckDigits(std::string_view country, std::string_view bban) {
  const std::string rearranged = std::string(bban) + std::string(country) + "00";
  int remainder = 0;
  for (const char c : rearranged) {
    const int value = gs1::IsDigit(c) ? c - '0' : c - 'A' + 10;
    remainder = (remainder * (value >= 10 ? 100 : 10) + value) % 97;
  }
  return std::string(country) + Padded(98 - remainder, 2) + std::string(bban);
}

}  // namespace

std::string Bracketed(const std::vector<Gs1Element>& elements) {
  std::string text;
  for (const Gs1Element& element : elements) {
    text += "(" + element.ai + ")" + element.data;
  }
  return text;
}

Gs1CaseMaker::Gs1CaseMaker(uint64_t seed, Gs1Form form, Gs1FieldLimits limits)
    : random_(seed), form_(form), limits_(limits) {}

bool Gs1CaseMaker::Takes(std::string_view ai) const {
  return limits_.judgedAsTheChecks == nullptr || limits_.judgedAsTheChecks(ai);
}

int Gs1CaseMaker::Uniform(int low, int high) {
  return low + static_cast<int>(random_() % static_cast<uint64_t>(high - low + 1));
}

std::string Gs1CaseMaker::FromAlphabet(std::string_view alphabet, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += alphabet[Uniform(0, static_cast<int>(alphabet.size()) - 1)];
  }
  return text;
}

std::string Gs1CaseMaker::Digits(int count) {
  return FromAlphabet(kDigits, count);
}

// One of the row's AIs that the field takes (a row that Fits has one).
std::string Gs1CaseMaker::RandomAi(const AiSyntax& row) {
  for (;;) {
    std::string ai = Padded(Uniform(row.firstAi, row.lastAi), row.aiLength);
    if (Takes(ai)) {
      return ai;
    }
  }
}

bool Gs1CaseMaker::TakesAny(const AiSyntax& row) const {
  for (int ai = row.firstAi; ai <= row.lastAi; ++ai) {
    if (Takes(Padded(ai, row.aiLength))) {
      return true;
    }
  }
  return false;
}

const AiSyntax& Gs1CaseMaker::RandomRow() {
  for (;;) {
    const AiSyntax& row = gs1::kAiSyntaxRows[Uniform(0, gs1::kAiSyntaxRows.size() - 1)];
    if (TakesAny(row)) {
      return row;
    }
  }
}

bool Gs1CaseMaker::Fits(const AiSyntax& row) const {
  return TakesAny(row) && (form_ == Gs1Form::kExpandedCode ||
                           !Conflicts({{"01", ""}}, Padded(row.firstAi, row.aiLength)) ||
                           (row.firstAi == 1 && row.aiLength == 2));
}

std::vector<gs1::FaultKind> Gs1CaseMaker::FaultKinds() const {
  std::vector<FaultKind> kinds;
  for (int kind = 1; kind < gs1::kFaultKindCount; ++kind) {
    const auto fault = static_cast<FaultKind>(kind);
    // Too many element strings are tested on their own; the internal form has no brackets.
    if (fault == FaultKind::kTooManyElementStrings ||
        (fault == FaultKind::kMalformed && form_ != Gs1Form::kExpandedCode)) {
      continue;
    }
    // A content check that no AI the field takes has.
    const auto wanted =
        std::find_if(std::begin(kFaultChecks), std::end(kFaultChecks),
                     [&](const FaultChecks& entry) { return entry.fault == fault; });
    const bool checked =
        wanted == std::end(kFaultChecks) ||
        std::any_of(gs1::kAiSyntaxRows.begin(), gs1::kAiSyntaxRows.end(), [&](const AiSyntax& row) {
          return TakesAny(row) &&
                 std::any_of(row.Parts().begin(), row.Parts().end(), [&](const DataPart& part) {
                   return HasAnyCheck(part, wanted->checks);
                 });
        });
    if (checked) {
      kinds.push_back(fault);
    }
  }
  return kinds;
}

std::string Gs1CaseMaker::ValidPart(const AiSyntax& row, int k) {
  const DataPart& part = row.parts[k];
  const bool prefixed = HasAnyCheck(part, {Check::kGcpPos1, Check::kGcpPos2});
  const bool nonDigit = HasCheck(part, Check::kHasNonDigit);
  int length = Uniform(part.minLength, part.maxLength);
  const std::optional<Check> primary = PrimaryCheck(part);
  if (!primary.has_value()) {
    std::string_view alphabet = kDigits;
    switch (part.set) {
      case gs1::CharacterSet::kN:
        return Digits(length);
      case gs1::CharacterSet::kX:
        alphabet = kSet82;
        break;
      case gs1::CharacterSet::kY:
        alphabet = form_ == Gs1Form::kExpandedCode ? kSet39 : kSet39WithoutFnc1;
        break;
      case gs1::CharacterSet::kZ:
        alphabet = kSet64;
        break;
    }
    // A company prefix of digits, as bwip-js wants one.
    if (prefixed) {
      length = std::max(length, std::min<int>(4, part.maxLength));
      return Digits(std::min(length, 4)) + FromAlphabet(alphabet, length - std::min(length, 4));
    }
    return FromAlphabet(alphabet, length);
  }
  const Check check = *primary;
  switch (check) {
    case Check::kCsum: {
      const std::string digits = Digits(length - 1);
      return digits + gs1::CheckDigitOf(digits);
    }
    case Check::kCsumAlpha: {
      const int least = 2 + (prefixed ? 4 : 0) + (nonDigit ? 1 : 0);
      length = Uniform(std::max<int>(least, part.minLength), part.maxLength);
      std::string prefix = prefixed ? Digits(4) : "";
      prefix +=
          FromAlphabet(kSet82, length - 2 - static_cast<int>(prefix.size()) - (nonDigit ? 1 : 0));
      if (nonDigit) {
        prefix += FromAlphabet(kUpper, 1);
      }
      return prefix + gs1::CheckCharacterPairOf(prefix).data();
    }
    case Check::kYymmdd:
    case Check::kYymmd0:
    case Check::kYyyymmdd: {
      const bool four = check == Check::kYyyymmdd;
      int year = four ? Uniform(1900, 2199) : Uniform(0, 99);
      int month = Uniform(1, 12);
      int day = Uniform(1, DaysIn(month, year, four));
      if (Uniform(0, 7) == 0) {  // February 29 of a leap year
        year = four ? (Uniform(0, 1) == 0 ? 2000 : 1904 + 4 * Uniform(0, 48)) : 4 * Uniform(0, 24);
        month = 2;
        day = 29;
      } else if (check == Check::kYymmd0 && Uniform(0, 7) == 0) {
        day = 0;
      }
      return Padded(year, four ? 4 : 2) + Padded(month, 2) + Padded(day, 2);
    }
    case Check::kHhmi:
      return Padded(Uniform(0, 23), 2) + Padded(Uniform(0, 59), 2);
    case Check::kHh:
      return Padded(Uniform(0, 23), 2);
    case Check::kMi:
    case Check::kSs:
      return Padded(Uniform(0, 59), 2);
    case Check::kZero:
      return "0";
    case Check::kNonzero: {
      std::string digits = Digits(length);
      digits[Uniform(0, length - 1)] = static_cast<char>('1' + Uniform(0, 8));
      return digits;
    }
    case Check::kNoZeroPrefix:
      return length == 1 ? Digits(1) : FromAlphabet("123456789", 1) + Digits(length - 1);
    case Check::kYesNo:
      return FromAlphabet("01", 1);
    case Check::kWinding:
      return FromAlphabet("019", 1);
    case Check::kIso5218:
      return FromAlphabet("0129", 1);
    case Check::kPieceOfTotal: {
      const int total = Uniform(1, 99);
      return Padded(Uniform(1, total), 2) + Padded(total, 2);
    }
    case Check::kPosInSeqSlash: {
      const int end = Uniform(1, 9);
      return std::to_string(Uniform(1, end)) + "/" + std::to_string(end);
    }
    case Check::kHyphen:
      return "-";
    case Check::kPcenc: {
      std::string text = FromAlphabet(kSet82WithoutPercent, length);
      if (length >= 3 && Uniform(0, 2) == 0) {
        const int at = Uniform(0, length - 3);
        text.replace(at, 3, "%" + FromAlphabet("0123456789ABCDEFabcdef", 2));
      }
      return text;
    }
    case Check::kIso3166:
      return Padded(gs1::kCountryNumericCodes[Uniform(0, gs1::kCountryNumericCodes.size() - 1)], 3);
    case Check::kIso3166999:
      return Uniform(0, 4) == 0
                 ? "999"
                 : Padded(
                       gs1::kCountryNumericCodes[Uniform(0, gs1::kCountryNumericCodes.size() - 1)],
                       3);
    case Check::kIso3166Alpha2:
      return std::string(gs1::kCountryAlpha2Codes[Uniform(0, gs1::kCountryAlpha2Codes.size() - 1)]);
    case Check::kIso4217:
      for (;;) {
        const std::string code = Padded(
            gs1::kCurrencyNumericCodes[Uniform(0, gs1::kCurrencyNumericCodes.size() - 1)], 3);
        if (!JudgedOtherwise(code)) {
          return code;
        }
      }
    case Check::kIban: {
      const std::string_view country =
          gs1::kCountryAlpha2Codes[Uniform(0, gs1::kCountryAlpha2Codes.size() - 1)];
      return IbanWithCheckDigits(country, FromAlphabet("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                                       Uniform(1, part.maxLength - 4)));
    }
    case Check::kLatitude:
      return Padded(random_() % 1800000001ull, 10);
    case Check::kLongitude:
      return Padded(random_() % 3600000001ull, 10);
    case Check::kImporterIdx:
      return FromAlphabet(kSet64, 1);
    case Check::kMediaType:
      return Padded(Uniform(0, 1) == 0 ? Uniform(1, 10) : Uniform(80, 99), 2);
    case Check::kPackageType:
      return std::string(kPackageTypes[Uniform(0, std::size(kPackageTypes) - 1)]);
    case Check::kCouponCode: {
      // The North American coupon's shortest form: company prefix, offer, save value and one
      // purchase requirement with its code and family.
      const int prefixVli = Uniform(0, 6);
      const int saveVli = Uniform(1, 5);
      const int requirementVli = Uniform(1, 5);
      return std::to_string(prefixVli) + Digits(6 + prefixVli) + Digits(6) +
             std::to_string(saveVli) + Digits(saveVli) + std::to_string(requirementVli) +
             Digits(requirementVli) + FromAlphabet("012349", 1) + Digits(3);
    }
    case Check::kCouponPosOffer: {
      // Format 0: funder, offer and serial number with their length indicators.
      const int funderVli = Uniform(0, 6);
      const int serialVli = Uniform(0, 9);
      return "0" + std::to_string(funderVli) + Digits(6 + funderVli) + Digits(6) +
             std::to_string(serialVli) + Digits(6 + serialVli);
    }
    case Check::kHasNonDigit:
    case Check::kGcpPos1:
    case Check::kGcpPos2:
      break;
  }
  throw std::logic_error("no valid data made for a part");
}

std::vector<std::string> Gs1CaseMaker::ValidParts(const AiSyntax& row, int forcedPart) {
  int present = 0;
  while (present < row.partCount && !row.parts[present].optional) {
    ++present;
  }
  present = std::max(Uniform(present, row.partCount), forcedPart + 1);
  std::vector<std::string> parts;
  for (int k = 0; k < present; ++k) {
    parts.push_back(ValidPart(row, k));
  }
  return parts;
}

std::string Gs1CaseMaker::FaultyPart(FaultKind fault, const AiSyntax& row, int k) {
  const DataPart& part = row.parts[k];
  const std::string valid = ValidPart(row, k);
  const bool four = HasCheck(part, Check::kYyyymmdd);
  const int yearDigits = four ? 4 : 2;
  switch (fault) {
    case FaultKind::kBadCharacter: {
      std::string_view bad = kNotDigits;
      if (part.set == gs1::CharacterSet::kX) {
        bad = kNotSet82;
      } else if (part.set == gs1::CharacterSet::kY) {
        bad = kNotSet39;
      } else if (part.set == gs1::CharacterSet::kZ) {
        bad = kNotSet64;
      }
      std::string text = valid;
      text[Uniform(0, static_cast<int>(text.size()) - 1)] = FromAlphabet(bad, 1)[0];
      return text;
    }
    case FaultKind::kCheckDigit: {
      std::string text = valid;
      text.back() = static_cast<char>('0' + (text.back() - '0' + Uniform(1, 9)) % 10);
      return text;
    }
    case FaultKind::kCheckCharacters: {
      std::string text = valid;
      const size_t at = kCheckPairCharacters.find(text.back());
      text.back() = kCheckPairCharacters[(at + Uniform(1, 31)) % 32];
      return text;
    }
    case FaultKind::kMonth: {
      const int month = Uniform(0, 3) == 0 ? 0 : Uniform(13, 99);
      return valid.substr(0, yearDigits) + Padded(month, 2) + Padded(Uniform(1, 28), 2);
    }
    case FaultKind::kDay: {
      const int year = std::stoi(valid.substr(0, yearDigits));
      const int month = Uniform(1, 12);
      int day = Uniform(DaysIn(month, year, four) + 1, 99);
      std::string yearText = valid.substr(0, yearDigits);
      const int choice = Uniform(0, 2);
      if (choice == 0 && !HasCheck(part, Check::kYymmd0)) {
        day = 0;
      } else if (choice == 1) {  // February 29 of a year that has none
        const int common =
            four ? (Uniform(0, 1) == 0 ? 1900 : 2001 + 4 * Uniform(0, 40)) : 1 + 4 * Uniform(0, 24);
        return Padded(common, yearDigits) + "0229";
      }
      return yearText + Padded(month, 2) + Padded(day, 2);
    }
    case FaultKind::kHour:
      return Padded(Uniform(24, 99), 2) + valid.substr(2);
    case FaultKind::kMinute:
      return HasCheck(part, Check::kHhmi) ? valid.substr(0, 2) + Padded(Uniform(60, 99), 2)
                                          : Padded(Uniform(60, 99), 2);
    case FaultKind::kSecond:
      return Padded(Uniform(60, 99), 2);
    case FaultKind::kNotZero:
      return FromAlphabet("123456789", 1);
    case FaultKind::kAllZeros:
      return std::string(part.maxLength, '0');
    case FaultKind::kLeadingZero:
      return "0" + Digits(Uniform(1, part.maxLength - 1));
    case FaultKind::kOnlyDigits:
      for (;;) {  // digits whose check pair happens to be digits too (1 in 16)
        const std::string prefix = Digits(Uniform(4, part.maxLength - 2));
        const std::string pair = gs1::CheckCharacterPairOf(prefix).data();
        if (gs1::AllDigits(pair)) {
          return prefix + pair;
        }
      }
    case FaultKind::kNotYesNo:
      return FromAlphabet("23456789", 1);
    case FaultKind::kWinding:
      return FromAlphabet("2345678", 1);
    case FaultKind::kSex:
      return FromAlphabet("345678", 1);
    case FaultKind::kPieceOfTotal: {
      const int total = Uniform(1, 98);
      switch (Uniform(0, 2)) {
        case 0:
          return Padded(Uniform(total + 1, 99), 2) + Padded(total, 2);
        case 1:
          return "00" + Padded(total, 2);
        default:
          return Padded(Uniform(1, 99), 2) + "00";
      }
    }
    case FaultKind::kPositionInSequence: {
      const int low = Uniform(1, 8);
      const std::string high = std::to_string(Uniform(low + 1, 9));
      const std::string forms[] = {high + "/" + std::to_string(low), "0/" + high, high + "/0",
                                   high + std::to_string(low) + "/", "A/" + high, "1-" + high};
      return forms[Uniform(0, std::size(forms) - 1)];
    }
    case FaultKind::kNotHyphen: {
      std::string other;
      do {
        other = FromAlphabet(kSet82, 1);
      } while (other == "-");
      return other;
    }
    case FaultKind::kPercentEncoding: {
      // A '%' without two hexadecimal digits after it: at the end, before a single digit at the
      // end, or before a character that is no hexadecimal digit.
      const std::string escapes[] = {"%", "%1", "%G1", "%1G", "%zz"};
      const std::string escape = escapes[Uniform(0, std::size(escapes) - 1)];
      const bool atEnd = escape.size() < 3;
      const int room = part.maxLength - static_cast<int>(escape.size());
      const std::string before = FromAlphabet(kSet82WithoutPercent, Uniform(0, room));
      const int left = room - static_cast<int>(before.size());
      return before + escape + (atEnd ? "" : FromAlphabet(kSet82WithoutPercent, Uniform(0, left)));
    }
    case FaultKind::kCountry:
    case FaultKind::kCountryOr999:
    case FaultKind::kCurrency:
      for (;;) {
        const std::string code = Digits(3);
        const bool listed = fault == FaultKind::kCurrency ? gs1::IsCurrencyNumericCode(code)
                                                          : gs1::IsCountryNumericCode(code);
        if (!listed && !JudgedOtherwise(code) &&
            (fault != FaultKind::kCountryOr999 || code != "999")) {
          return code;
        }
      }
    case FaultKind::kCountryAlpha2:
      for (;;) {
        const std::string code = FromAlphabet(kUpper, 2);
        if (!gs1::IsCountryAlpha2Code(code)) {
          return code;
        }
      }
    case FaultKind::kIban:
      for (;;) {
        const std::string country = FromAlphabet(kUpper, 2);
        if (!gs1::IsCountryAlpha2Code(country)) {
          return IbanWithCheckDigits(country, valid.substr(4));
        }
      }
    case FaultKind::kIbanCheckDigits: {
      const int digits = std::stoi(valid.substr(2, 2));
      int other = digits;
      while (other == digits || other % 97 == digits % 97) {
        other = Uniform(0, 99);
      }
      return valid.substr(0, 2) + Padded(other, 2) + valid.substr(4);
    }
    case FaultKind::kLatitude:
      return Padded(1800000001ull + random_() % 8199999999ull, 10);
    case FaultKind::kLongitude:
      return Padded(3600000001ull + random_() % 6399999999ull, 10);
    case FaultKind::kImporterIndex:
      return FromAlphabet(kNotImporterIndex, 1);
    case FaultKind::kMediaType:
      return Padded(Uniform(0, 69) == 0 ? 0 : Uniform(11, 79), 2);
    default:
      throw std::logic_error("no faulty part made for this kind");
  }
}

Gs1CaseMaker::Target Gs1CaseMaker::RandomTarget(FaultKind fault) {
  std::vector<Target> targets;
  const FaultChecks* wanted = nullptr;
  for (const FaultChecks& entry : kFaultChecks) {
    if (entry.fault == fault) {
      wanted = &entry;
    }
  }
  for (const AiSyntax& row : gs1::kAiSyntaxRows) {
    for (int k = 0; k < row.partCount && TakesAny(row); ++k) {
      if (wanted == nullptr || HasAnyCheck(row.parts[k], wanted->checks)) {
        targets.push_back({&row, k});
      }
    }
  }
  return targets[Uniform(0, static_cast<int>(targets.size()) - 1)];
}

Gs1Element Gs1CaseMaker::FaultyElement(FaultKind fault) {
  if (fault == FaultKind::kUnknownAi) {
    for (;;) {
      std::string ai = Digits(2);
      const int length = gs1::AiLengthOfPrefix(ai);
      // In the 2D text an AI's first two digits tell how many digits it has.
      ai += Digits(form_ == Gs1Form::kExpandedCode || length == 0 ? Uniform(0, 2) : length - 2);
      if (gs1::FindAiSyntax(ai) == nullptr &&
          (limits_.takenUnknown == nullptr || !limits_.takenUnknown(ai))) {
        return {ai, Digits(Uniform(1, 6))};
      }
    }
  }
  if (fault == FaultKind::kDataTooShort || fault == FaultKind::kDataTooLong) {
    for (;;) {
      const AiSyntax& row = RandomRow();
      // Beyond a predefined length the 2D text goes on with the next AI.
      if (fault == FaultKind::kDataTooLong && form_ != Gs1Form::kExpandedCode && !row.needsFnc1) {
        continue;
      }
      const std::string data = Join(ValidParts(row, -1));
      if (fault == FaultKind::kDataTooShort) {
        return {RandomAi(row), data.substr(0, Uniform(0, MinTotal(row) - 1))};
      }
      const DataPart& last = row.parts[row.partCount - 1];
      const std::string_view alphabet = last.set == gs1::CharacterSet::kN ? kDigits : kUpper;
      const int extra = MaxTotal(row) - static_cast<int>(data.size()) + Uniform(1, 3);
      return {RandomAi(row), data + FromAlphabet(alphabet, extra)};
    }
  }
  const Target target = RandomTarget(fault);
  std::vector<std::string> parts = ValidParts(*target.row, target.part);
  parts[target.part] = FaultyPart(fault, *target.row, target.part);
  return {RandomAi(*target.row), Join(parts)};
}

bool Gs1CaseMaker::Conflicts(const std::vector<Gs1Element>& elements, const std::string& ai) const {
  const AiSyntax* row = gs1::FindAiSyntax(ai);
  for (const Gs1Element& element : elements) {
    const AiSyntax* other = gs1::FindAiSyntax(element.ai);
    if (element.ai == ai ||
        (row != nullptr && gs1::ListMatchesAi(row->excludedAis, ',', element.ai)) ||
        (other != nullptr && gs1::ListMatchesAi(other->excludedAis, ',', ai))) {
      return true;
    }
  }
  return false;
}

void Gs1CaseMaker::AddCompanions(std::vector<Gs1Element>& elements, int count) {
  const size_t first = form_ == Gs1Form::kExpandedCode ? 0 : 1;  // the item number stays first
  for (int added = 0, tries = 0; added < count && tries < 50; ++tries) {
    const AiSyntax& row = RandomRow();
    Gs1Element companion{RandomAi(row), Join(ValidParts(row, -1))};
    if (Conflicts(elements, companion.ai) ||
        Bracketed(elements).size() + companion.ai.size() + companion.data.size() + 2 >
            limits_.maxLength) {
      continue;
    }
    const int at = Uniform(static_cast<int>(first), static_cast<int>(elements.size()));
    elements.insert(elements.begin() + at, companion);
    ++added;
  }
}

std::optional<Gs1Element> Gs1CaseMaker::ExcludedPartner(std::string_view pattern,
                                                        const std::string& ai) {
  for (int tries = 0; tries < 20; ++tries) {
    std::string partner(pattern);
    for (char& c : partner) {
      c = c == 'n' ? FromAlphabet(kDigits, 1)[0] : c;
    }
    const AiSyntax* row = gs1::FindAiSyntax(partner);
    if (row != nullptr && partner != ai && Takes(partner)) {
      return Gs1Element{partner, Join(ValidParts(*row, -1))};
    }
  }
  return std::nullopt;
}

std::optional<std::vector<Gs1Element>> Gs1CaseMaker::Placed(Gs1Element first, Gs1Element second) {
  if (Uniform(0, 1) == 0) {
    std::swap(first, second);
  }
  if (form_ == Gs1Form::kExpandedCode) {
    return std::vector<Gs1Element>{first, second};
  }
  // Beside the linear item number: a pair with (01) uses it as its (01); any other pair must not
  // clash with it.
  if (first.ai == "01") {
    return std::vector<Gs1Element>{first, second};
  }
  if (second.ai == "01") {
    return std::vector<Gs1Element>{second, first};
  }
  const std::string gtin = Digits(13);
  const Gs1Element item{"01", gtin + gs1::CheckDigitOf(gtin)};
  if (Conflicts({item}, first.ai) || Conflicts({item}, second.ai)) {
    return std::nullopt;
  }
  return std::vector<Gs1Element>{item, first, second};
}

std::vector<Gs1Element> Gs1CaseMaker::FaultyPair(FaultKind fault) {
  for (;;) {
    const AiSyntax& row = RandomRow();
    const Gs1Element first{RandomAi(row), Join(ValidParts(row, -1))};
    std::optional<Gs1Element> second = Gs1Element{first.ai, Join(ValidParts(row, -1))};
    if (fault == FaultKind::kExcludedPair) {
      std::vector<std::string_view> patterns;
      gs1::ListItems items(row.excludedAis, ',');
      for (std::string_view pattern; items.Next(pattern);) {
        patterns.push_back(pattern);
      }
      second = patterns.empty()
                   ? std::nullopt
                   : ExcludedPartner(patterns[Uniform(0, patterns.size() - 1)], first.ai);
    } else if (second->data == first.data) {
      continue;
    }
    if (second.has_value()) {
      if (std::optional<std::vector<Gs1Element>> placed = Placed(first, *second)) {
        return *placed;
      }
    }
  }
}

std::vector<Gs1Case> Gs1CaseMaker::EveryExcludedPair() {
  std::vector<Gs1Case> cases;
  for (const AiSyntax& row : gs1::kAiSyntaxRows) {
    gs1::ListItems items(row.excludedAis, ',');
    for (std::string_view pattern; TakesAny(row) && items.Next(pattern);) {
      const Gs1Element first{RandomAi(row), Join(ValidParts(row, -1))};
      const std::optional<Gs1Element> second = ExcludedPartner(pattern, first.ai);
      if (!second.has_value()) {
        continue;
      }
      if (std::optional<std::vector<Gs1Element>> placed = Placed(first, *second)) {
        cases.push_back(Finish(*placed, FaultKind::kExcludedPair));
      }
    }
  }
  return cases;
}

std::string Gs1CaseMaker::InternalForm(const std::vector<Gs1Element>& elements, size_t from) const {
  std::string text;
  for (size_t i = from; i < elements.size(); ++i) {
    text += elements[i].ai + elements[i].data;
    const AiSyntax* row = gs1::FindAiSyntax(elements[i].ai);
    const bool predefined = row != nullptr && !row->needsFnc1 &&
                            static_cast<int>(elements[i].data.size()) == MaxTotal(*row);
    if (i + 1 < elements.size() && !predefined) {
      text += '#';
    }
  }
  return text;
}

Gs1Case Gs1CaseMaker::Finish(std::vector<Gs1Element> elements, FaultKind intended) {
  Gs1Case result;
  result.intended = intended;
  result.bracketed = Bracketed(elements);
  result.code = form_ == Gs1Form::kExpandedCode ? result.bracketed : InternalForm(elements, 1);
  result.elements = std::move(elements);
  return result;
}

Gs1Case Gs1CaseMaker::Valid(const AiSyntax& row) {
  std::vector<Gs1Element> elements;
  Gs1Element first{RandomAi(row), Join(ValidParts(row, -1))};
  if (form_ == Gs1Form::kCompositeWithItemNumber) {
    const std::string gtin = Digits(13);
    elements.push_back({"01", gtin + gs1::CheckDigitOf(gtin)});
    if (first.ai == "01") {
      first = elements.front();  // repeated with the same data
    } else if (Conflicts(elements, first.ai)) {
      throw std::invalid_argument("an AI that cannot go beside an item number");
    }
  }
  elements.push_back(first);
  AddCompanions(elements, Uniform(0, form_ == Gs1Form::kExpandedCode ? 3 : 2));
  return Finish(std::move(elements), FaultKind::kNone);
}

Gs1Case Gs1CaseMaker::WithFault(FaultKind fault) {
  std::vector<Gs1Element> elements;
  if (fault == FaultKind::kExcludedPair || fault == FaultKind::kConflictingDuplicate) {
    elements = FaultyPair(fault);
  } else if (fault == FaultKind::kMalformed) {
    const AiSyntax& row = RandomRow();
    elements.push_back({RandomAi(row), Join(ValidParts(row, -1))});
  } else {
    Gs1Element faulty = FaultyElement(fault);
    if (form_ == Gs1Form::kCompositeWithItemNumber) {
      const std::string gtin = Digits(13);
      elements.push_back({"01", gtin + gs1::CheckDigitOf(gtin)});
      if (Conflicts(elements, faulty.ai) && gs1::FindAiSyntax(faulty.ai) != nullptr) {
        return WithFault(fault);  // a second fault beside the item number
      }
    }
    elements.push_back(faulty);
  }
  AddCompanions(elements, Uniform(0, 2));
  Gs1Case result = Finish(std::move(elements), fault);
  if (fault == FaultKind::kMalformed) {
    // Text before the first AI, or an AI whose ')' is missing at the end.
    result.code = Uniform(0, 1) == 0 ? FromAlphabet(kUpper, Uniform(1, 3)) + result.code
                                     : result.code + "(" + Digits(Uniform(1, 3));
    result.bracketed = result.code;
  }
  return result;
}

}  // namespace peers
