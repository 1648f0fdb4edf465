// What the element-string checks say about a message: nothing wrong, or its first fault with
// where it lies and what the message for the user needs to name.
#pragma once

#include <array>
#include <string_view>

namespace gs1 {

enum class FaultKind {
  kNone,
  // Reading the text into element strings.
  kMalformed,  // not a sequence of element strings; found: the text from where it goes wrong
  kTooManyElementStrings,
  // One element string.
  kUnknownAi,
  kDataTooShort,     // minLength, maxLength: the lengths its data may have
  kDataTooLong,      // minLength, maxLength as for kDataTooShort
  kBadCharacter,     // found: the character outside the part's set
  kCheckDigit,       // expected: the check digit
  kCheckCharacters,  // expected: the check character pair
  kMonth,            // found: the date
  kDay,              // found: the date
  kHour,             // found: the hour
  kMinute,           // found: the minutes
  kSecond,           // found: the seconds
  kNotZero,
  kAllZeros,
  kLeadingZero,
  kOnlyDigits,
  kNotYesNo,
  kWinding,
  kPieceOfTotal,
  kPositionInSequence,
  kNotHyphen,
  kPercentEncoding,  // found: the '%' and what follows it
  kCountry,
  kCountryOr999,
  kCountryAlpha2,
  kCurrency,
  kSex,
  kIban,             // not two letters of a country, two digits and then letters and digits
  kIbanCheckDigits,  // the mod-97 check fails
  kLatitude,
  kLongitude,
  kImporterIndex,
  kMediaType,
  // The message as a whole.
  kExcludedPair,         // other: the earlier element string that this one may not go with
  kConflictingDuplicate  // other: the earlier element string of the same AI with other data
};

inline constexpr int kFaultKindCount = static_cast<int>(FaultKind::kConflictingDuplicate) + 1;

struct Verdict {
  FaultKind fault = FaultKind::kNone;
  int index = -1;       // the element string at fault, counted from 0
  std::string_view ai;  // its AI
  int part = -1;        // the part of its data, counted from 0; -1 when not one part's fault
  // The offending characters: as FaultKind says, else the part at fault, or the data for a
  // length or pair fault.
  std::string_view found;
  std::array<char, 3> expected{};  // NUL-terminated, see FaultKind
  int minLength = 0;
  int maxLength = 0;
  int otherIndex = -1;
  std::string_view otherAi;

  bool ok() const { return fault == FaultKind::kNone; }
};

}  // namespace gs1
