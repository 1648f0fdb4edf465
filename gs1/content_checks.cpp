#include "gs1/content_checks.h"

#include "gs1/characters.h"
#include "gs1/iso_codes.h"

namespace gs1 {
namespace {

constexpr std::string_view kCheckCharacters = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr int kPrimes[] = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37,
                           41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89};

PartFault Fault(FaultKind fault, std::string_view found) {
  return {fault, found, {}, 0};
}

PartFault FaultUnless(bool holds, FaultKind fault, std::string_view found) {
  return holds ? PartFault{} : Fault(fault, found);
}

int TwoDigitValue(std::string_view text, size_t at) {
  return static_cast<int>(DecimalValue(text.substr(at, 2)));
}

bool IsLeapYear(int year, bool fourDigits) {
  if (!fourDigits) {
    return year % 4 == 0;
  }
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year, bool fourDigitYear) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year, fourDigitYear) ? 29 : kDays[month - 1];
}

// A date YYMMDD, or YYYYMMDD with a four-digit year; day 00 stands for the whole month where
// `dayZeroAllowed`.
PartFault CheckDate(std::string_view date, bool fourDigitYear, bool dayZeroAllowed) {
  const size_t yearDigits = fourDigitYear ? 4 : 2;
  if (date.size() != yearDigits + 4) {
    return Fault(FaultKind::kMonth, date);
  }
  const int year = static_cast<int>(DecimalValue(date.substr(0, yearDigits)));
  const int month = TwoDigitValue(date, yearDigits);
  const int day = TwoDigitValue(date, yearDigits + 2);
  if (month < 1 || month > 12) {
    return Fault(FaultKind::kMonth, date);
  }
  const bool dayFits =
      (day == 0 && dayZeroAllowed) || (day >= 1 && day <= DaysInMonth(month, year, fourDigitYear));
  return FaultUnless(dayFits, FaultKind::kDay, date);
}

PartFault CheckTwoDigits(std::string_view part, int highest, FaultKind fault) {
  return FaultUnless(part.size() == 2 && TwoDigitValue(part, 0) <= highest, fault, part);
}

PartFault CheckHoursMinutes(std::string_view part) {
  if (part.size() != 4) {
    return Fault(FaultKind::kHour, part);
  }
  if (PartFault hour = CheckTwoDigits(part.substr(0, 2), 23, FaultKind::kHour); !hour.ok()) {
    return hour;
  }
  return CheckTwoDigits(part.substr(2, 2), 59, FaultKind::kMinute);
}

PartFault CheckCheckDigit(std::string_view part) {
  if (part.empty()) {
    return Fault(FaultKind::kCheckDigit, part);
  }
  const char expected = CheckDigitOf(part.substr(0, part.size() - 1));
  if (part.back() == expected) {
    return {};
  }
  return {FaultKind::kCheckDigit, part.substr(part.size() - 1), {expected, '\0', '\0'}, 0};
}

PartFault CheckCheckCharacters(std::string_view part) {
  if (part.size() < 2) {
    return {FaultKind::kDataTooShort, part, {}, 2};
  }
  const std::array<char, 3> expected = CheckCharacterPairOf(part.substr(0, part.size() - 2));
  const std::string_view pair = part.substr(part.size() - 2);
  if (pair == std::string_view(expected.data(), 2)) {
    return {};
  }
  return {FaultKind::kCheckCharacters, pair, expected, 0};
}

// n/N: two positive whole numbers without leading zeros, n not above N.
PartFault CheckPositionInSequence(std::string_view part) {
  const size_t slash = part.find('/');
  if (slash == std::string_view::npos) {
    return Fault(FaultKind::kPositionInSequence, part);
  }
  const std::string_view position = part.substr(0, slash);
  const std::string_view end = part.substr(slash + 1);
  for (const std::string_view number : {position, end}) {
    if (number.empty() || number.size() > 18 || !AllDigits(number) || number[0] == '0') {
      return Fault(FaultKind::kPositionInSequence, part);
    }
  }
  return FaultUnless(DecimalValue(position) <= DecimalValue(end), FaultKind::kPositionInSequence,
                     part);
}

bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

PartFault CheckPercentEncoding(std::string_view part) {
  for (size_t i = part.find('%'); i != std::string_view::npos; i = part.find('%', i + 1)) {
    if (i + 2 >= part.size() || !IsHexDigit(part[i + 1]) || !IsHexDigit(part[i + 2])) {
      return Fault(FaultKind::kPercentEncoding, part.substr(i, 3));
    }
  }
  return {};
}

// The ISO 13616 check: the first four characters moved to the end, letters read as 10 to 35,
// leave 1 modulo 97.
bool IbanChecksumHolds(std::string_view iban) {
  int remainder = 0;
  for (size_t i = 0; i < iban.size(); ++i) {
    const char c = iban[(i + 4) % iban.size()];
    if (IsDigit(c)) {
      remainder = (remainder * 10 + (c - '0')) % 97;
    } else {
      remainder = (remainder * 100 + (c - 'A' + 10)) % 97;
    }
  }
  return remainder == 1;
}

PartFault CheckIban(std::string_view part) {
  bool wellFormed = part.size() >= 5 && part.size() <= 34 &&
                    IsCountryAlpha2Code(part.substr(0, 2)) && AllDigits(part.substr(2, 2));
  for (const char c : part) {
    wellFormed = wellFormed && (IsDigit(c) || IsUpperLetter(c));
  }
  if (!wellFormed) {
    return Fault(FaultKind::kIban, part);
  }
  return FaultUnless(IbanChecksumHolds(part), FaultKind::kIbanCheckDigits, part);
}

bool IsOneOf(std::string_view part, std::initializer_list<std::string_view> values) {
  for (const std::string_view value : values) {
    if (part == value) {
      return true;
    }
  }
  return false;
}

PartFault CheckNumberAtMost(std::string_view part, uint64_t highest, FaultKind fault) {
  return FaultUnless(AllDigits(part) && DecimalValue(part) <= highest, fault, part);
}

PartFault CheckMediaType(std::string_view part) {
  const int type = part.size() == 2 ? TwoDigitValue(part, 0) : -1;
  return FaultUnless((type >= 1 && type <= 10) || (type >= 80 && type <= 99), FaultKind::kMediaType,
                     part);
}

PartFault CheckPieceOfTotal(std::string_view part) {
  const int piece = part.size() == 4 ? TwoDigitValue(part, 0) : 0;
  const int total = part.size() == 4 ? TwoDigitValue(part, 2) : 0;
  return FaultUnless(piece >= 1 && total >= 1 && piece <= total, FaultKind::kPieceOfTotal, part);
}

}  // namespace

char CheckDigitOf(std::string_view digits) {
  int sum = 0;
  int weight = 3;
  for (size_t i = digits.size(); i-- > 0;) {
    sum += (digits[i] - '0') * weight;
    weight = 4 - weight;
  }
  return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::array<char, 3> CheckCharacterPairOf(std::string_view characters) {
  int sum = 0;
  size_t prime = 0;
  for (size_t i = characters.size(); i-- > 0;) {
    sum += IndexInSet82(characters[i]) * kPrimes[prime % std::size(kPrimes)];
    ++prime;
  }
  const int value = sum % 1021;
  return {kCheckCharacters[value >> 5], kCheckCharacters[value & 31], '\0'};
}

PartFault ApplyCheck(Check check, std::string_view part) {
  switch (check) {
    case Check::kCsum:
      return CheckCheckDigit(part);
    case Check::kCsumAlpha:
      return CheckCheckCharacters(part);
    case Check::kYymmdd:
      return CheckDate(part, false, false);
    case Check::kYymmd0:
      return CheckDate(part, false, true);
    case Check::kYyyymmdd:
      return CheckDate(part, true, false);
    case Check::kHhmi:
      return CheckHoursMinutes(part);
    case Check::kHh:
      return CheckTwoDigits(part, 23, FaultKind::kHour);
    case Check::kMi:
      return CheckTwoDigits(part, 59, FaultKind::kMinute);
    case Check::kSs:
      return CheckTwoDigits(part, 59, FaultKind::kSecond);
    case Check::kZero:
      return FaultUnless(part == "0", FaultKind::kNotZero, part);
    case Check::kNonzero:
      return FaultUnless(part.find_first_not_of('0') != std::string_view::npos,
                         FaultKind::kAllZeros, part);
    case Check::kNoZeroPrefix:
      return FaultUnless(part.size() < 2 || part[0] != '0', FaultKind::kLeadingZero, part);
    case Check::kHasNonDigit:
      return FaultUnless(!AllDigits(part), FaultKind::kOnlyDigits, part);
    case Check::kYesNo:
      return FaultUnless(IsOneOf(part, {"0", "1"}), FaultKind::kNotYesNo, part);
    case Check::kWinding:
      return FaultUnless(IsOneOf(part, {"0", "1", "9"}), FaultKind::kWinding, part);
    case Check::kPieceOfTotal:
      return CheckPieceOfTotal(part);
    case Check::kPosInSeqSlash:
      return CheckPositionInSequence(part);
    case Check::kHyphen:
      return FaultUnless(part == "-", FaultKind::kNotHyphen, part);
    case Check::kPcenc:
      return CheckPercentEncoding(part);
    case Check::kIso3166:
      return FaultUnless(IsCountryNumericCode(part), FaultKind::kCountry, part);
    case Check::kIso3166999:
      return FaultUnless(part == "999" || IsCountryNumericCode(part), FaultKind::kCountryOr999,
                         part);
    case Check::kIso3166Alpha2:
      return FaultUnless(IsCountryAlpha2Code(part), FaultKind::kCountryAlpha2, part);
    case Check::kIso4217:
      return FaultUnless(IsCurrencyNumericCode(part), FaultKind::kCurrency, part);
    case Check::kIso5218:
      return FaultUnless(IsOneOf(part, {"0", "1", "2", "9"}), FaultKind::kSex, part);
    case Check::kIban:
      return CheckIban(part);
    case Check::kLatitude:
      return CheckNumberAtMost(part, 1800000000, FaultKind::kLatitude);
    case Check::kLongitude:
      return CheckNumberAtMost(part, 3600000000, FaultKind::kLongitude);
    case Check::kImporterIdx:
      return FaultUnless(part.size() == 1 && InCharacterSet(CharacterSet::kZ, part[0]),
                         FaultKind::kImporterIndex, part);
    case Check::kMediaType:
      return CheckMediaType(part);
    case Check::kGcpPos1:
    case Check::kGcpPos2:
    case Check::kPackageType:
    case Check::kCouponCode:
    case Check::kCouponPosOffer:
      return {};  // these need lists this project does not have
  }
  return {};
}

}  // namespace gs1
