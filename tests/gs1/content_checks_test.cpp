// The content checks of one part of the data, with the values at their edges.
#include "gs1/content_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gs1::ApplyCheck;
using gs1::Check;
using gs1::FaultKind;

FaultKind FaultOf(Check check, std::string_view part) {
  return ApplyCheck(check, part).fault;
}

TEST(CheckDigit, NamesTheDigitThePartShouldEndWith) {
  EXPECT_EQ(FaultOf(Check::kCsum, "12345678901231"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kCsum, "123456789012345675"), FaultKind::kNone);  // SSCC, 18 digits
  const gs1::PartFault wrong = ApplyCheck(Check::kCsum, "12345678901232");
  EXPECT_EQ(wrong.fault, FaultKind::kCheckDigit);
  EXPECT_EQ(wrong.found, "2");
  EXPECT_STREQ(wrong.expected.data(), "1");
  // A sum that is already a multiple of 10 gives 0, not 10.
  EXPECT_EQ(gs1::CheckDigitOf("0000000000000"), '0');
  EXPECT_EQ(gs1::CheckDigitOf("9501101021037"), '0');  // 9501101021037(0)
}

TEST(CheckCharacters, PairOfTheCharactersBeforeIt) {
  EXPECT_EQ(FaultOf(Check::kCsumAlpha, "1987654Ad4X4bL5ttr2310c2K"), FaultKind::kNone);
  const gs1::PartFault wrong = ApplyCheck(Check::kCsumAlpha, "1987654Ad4X4bL5ttr2310c2L");
  EXPECT_EQ(wrong.fault, FaultKind::kCheckCharacters);
  EXPECT_EQ(wrong.found, "2L");
  EXPECT_STREQ(wrong.expected.data(), "2K");
  // Every character counts by its place in set 82 ('!' is 0): a swap of two characters is seen.
  EXPECT_NE(FaultOf(Check::kCsumAlpha, "1987654dA4X4bL5ttr2310c2K"), FaultKind::kNone);
  // Nothing before the pair sums to 0, the pair "22"; one character cannot hold a pair.
  EXPECT_EQ(FaultOf(Check::kCsumAlpha, "22"), FaultKind::kNone);
  const gs1::PartFault tooShort = ApplyCheck(Check::kCsumAlpha, "2");
  EXPECT_EQ(tooShort.fault, FaultKind::kDataTooShort);
  EXPECT_EQ(tooShort.minLength, 2);
}

TEST(CheckCharacters, SumIsTakenModulo1021) {
  // 23 'z' (index 81) weighted by the first 23 primes sum far beyond 1021; the pair must come
  // from the sum's remainder.
  const std::string zs(23, 'z');
  int sum = 0;
  const int primes[] = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37,
                        41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83};
  for (const int p : primes) {
    sum += 81 * p;
  }
  const std::string_view alphabet = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
  const int value = sum % 1021;
  const std::string pair{alphabet[value >> 5], alphabet[value & 31]};
  EXPECT_EQ(FaultOf(Check::kCsumAlpha, zs + pair), FaultKind::kNone);
}

TEST(Dates, MonthAndDayLimits) {
  EXPECT_EQ(FaultOf(Check::kYymmdd, "991231"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kYymmdd, "991301"), FaultKind::kMonth);
  EXPECT_EQ(FaultOf(Check::kYymmdd, "990001"), FaultKind::kMonth);
  EXPECT_EQ(FaultOf(Check::kYymmdd, "990431"), FaultKind::kDay);
  EXPECT_EQ(FaultOf(Check::kYymmdd, "990132"), FaultKind::kDay);
  const gs1::PartFault month = ApplyCheck(Check::kYymmd0, "991332");
  EXPECT_EQ(month.fault, FaultKind::kMonth);  // the month is judged before the day
  EXPECT_EQ(month.found, "991332");
}

TEST(Dates, DayZeroOnlyWhereTheWholeMonthIsMeant) {
  EXPECT_EQ(FaultOf(Check::kYymmd0, "991200"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kYymmdd, "991200"), FaultKind::kDay);
  EXPECT_EQ(FaultOf(Check::kYyyymmdd, "19991200"), FaultKind::kDay);
  EXPECT_EQ(FaultOf(Check::kYymmd0, "000000"), FaultKind::kMonth);  // (11)000000
}

TEST(Dates, February29) {
  EXPECT_EQ(FaultOf(Check::kYymmdd, "000229"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kYymmdd, "240229"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kYymmd0, "990229"), FaultKind::kDay);
  EXPECT_EQ(FaultOf(Check::kYymmdd, "230229"), FaultKind::kDay);
  EXPECT_EQ(FaultOf(Check::kYymmdd, "240230"), FaultKind::kDay);
  // A four-digit year follows the Gregorian calendar: 1900 and 2100 have no February 29.
  EXPECT_EQ(FaultOf(Check::kYyyymmdd, "20000229"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kYyyymmdd, "20240229"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kYyyymmdd, "19000229"), FaultKind::kDay);
  EXPECT_EQ(FaultOf(Check::kYyyymmdd, "21000229"), FaultKind::kDay);
}

TEST(Times, HoursMinutesSeconds) {
  EXPECT_EQ(FaultOf(Check::kHhmi, "2359"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kHhmi, "0000"), FaultKind::kNone);
  const gs1::PartFault hour = ApplyCheck(Check::kHhmi, "2400");
  EXPECT_EQ(hour.fault, FaultKind::kHour);
  EXPECT_EQ(hour.found, "24");
  const gs1::PartFault minute = ApplyCheck(Check::kHhmi, "1260");
  EXPECT_EQ(minute.fault, FaultKind::kMinute);
  EXPECT_EQ(minute.found, "60");
  EXPECT_EQ(FaultOf(Check::kHh, "23"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kHh, "24"), FaultKind::kHour);
  EXPECT_EQ(FaultOf(Check::kMi, "60"), FaultKind::kMinute);
  EXPECT_EQ(FaultOf(Check::kSs, "59"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kSs, "60"), FaultKind::kSecond);
}

TEST(DigitRules, ZeroNonzeroPrefixAndCodes) {
  EXPECT_EQ(FaultOf(Check::kZero, "0"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kZero, "1"), FaultKind::kNotZero);
  EXPECT_EQ(FaultOf(Check::kNonzero, "0001"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kNonzero, "00000"), FaultKind::kAllZeros);
  EXPECT_EQ(FaultOf(Check::kNoZeroPrefix, "0"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kNoZeroPrefix, "10"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kNoZeroPrefix, "01"), FaultKind::kLeadingZero);
  EXPECT_EQ(FaultOf(Check::kHasNonDigit, "12A"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kHasNonDigit, "123"), FaultKind::kOnlyDigits);
  for (const char* yes : {"0", "1"})
    EXPECT_EQ(FaultOf(Check::kYesNo, yes), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kYesNo, "2"), FaultKind::kNotYesNo);
  for (const char* winding : {"0", "1", "9"})
    EXPECT_EQ(FaultOf(Check::kWinding, winding), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kWinding, "2"), FaultKind::kWinding);
  for (const char* sex : {"0", "1", "2", "9"})
    EXPECT_EQ(FaultOf(Check::kIso5218, sex), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kIso5218, "3"), FaultKind::kSex);
  for (const char* media : {"01", "10", "80", "99"})
    EXPECT_EQ(FaultOf(Check::kMediaType, media), FaultKind::kNone);
  for (const char* media : {"00", "11", "79"})
    EXPECT_EQ(FaultOf(Check::kMediaType, media), FaultKind::kMediaType);
}

TEST(PieceOfTotal, PieceFrom01UpToTheTotal) {
  EXPECT_EQ(FaultOf(Check::kPieceOfTotal, "0101"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kPieceOfTotal, "0102"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kPieceOfTotal, "9999"), FaultKind::kNone);
  for (const char* bad : {"0201", "0001", "0100", "0000", "1009"})
    EXPECT_EQ(FaultOf(Check::kPieceOfTotal, bad), FaultKind::kPieceOfTotal) << bad;
}

TEST(PositionInSequence, PositiveNumbersWithoutLeadingZerosInOrder) {
  for (const char* good : {"1/2", "1/1", "9/9", "10/12"})
    EXPECT_EQ(FaultOf(Check::kPosInSeqSlash, good), FaultKind::kNone) << good;
  for (const char* bad : {"2/1", "0/1", "1/0", "01/2", "1/02", "A/2", "12/", "/12", "1-2", "1/2/3"})
    EXPECT_EQ(FaultOf(Check::kPosInSeqSlash, bad), FaultKind::kPositionInSequence) << bad;
}

TEST(PercentEncoding, EveryPercentTakesTwoHexDigits) {
  for (const char* good : {"ABC", "A%2FB", "%2f", "%00%FF"})
    EXPECT_EQ(FaultOf(Check::kPcenc, good), FaultKind::kNone) << good;
  const gs1::PartFault bad = ApplyCheck(Check::kPcenc, "A%2FB%2G");
  EXPECT_EQ(bad.fault, FaultKind::kPercentEncoding);
  EXPECT_EQ(bad.found, "%2G");
  for (const char* cut : {"%", "AB%", "AB%2", "%%20"})
    EXPECT_EQ(FaultOf(Check::kPcenc, cut), FaultKind::kPercentEncoding) << cut;
}

TEST(Iban, CountryFormAndMod97) {
  EXPECT_EQ(FaultOf(Check::kIban, "GB82WEST12345698765432"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kIban, "DE89370400440532013000"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kIban, "GB881"), FaultKind::kNone);  // the shortest form
  EXPECT_EQ(FaultOf(Check::kIban, "GB82WEST12345698765431"), FaultKind::kIbanCheckDigits);
  EXPECT_EQ(FaultOf(Check::kIban, "GB28WEST12345698765432"), FaultKind::kIbanCheckDigits);
  // The same mod-97 value under a code that is no country, lower-case letters, a short form.
  EXPECT_EQ(FaultOf(Check::kIban, "XX07WEST123"), FaultKind::kIban);
  EXPECT_EQ(FaultOf(Check::kIban, "gb82WEST12345698765432"), FaultKind::kIban);
  EXPECT_EQ(FaultOf(Check::kIban, "GB82west12345698765432"), FaultKind::kIban);
  EXPECT_EQ(FaultOf(Check::kIban, "GB18"), FaultKind::kIban);
  EXPECT_EQ(FaultOf(Check::kIban, "GBX2WEST12345698765432"), FaultKind::kIban);
}

TEST(Coordinates, LatitudeAndLongitudeRanges) {
  EXPECT_EQ(FaultOf(Check::kLatitude, "0000000000"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kLatitude, "1800000000"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kLatitude, "1800000001"), FaultKind::kLatitude);
  EXPECT_EQ(FaultOf(Check::kLongitude, "3600000000"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kLongitude, "3600000001"), FaultKind::kLongitude);
  // Beyond 32 bits.
  EXPECT_EQ(FaultOf(Check::kLongitude, "9999999999"), FaultKind::kLongitude);
}

TEST(CodeLists, CountriesCurrenciesAndIndexes) {
  EXPECT_EQ(FaultOf(Check::kIso3166, "392"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kIso3166, "004"), FaultKind::kNone);  // leading zeros are written
  EXPECT_EQ(FaultOf(Check::kIso3166, "000"), FaultKind::kCountry);
  EXPECT_EQ(FaultOf(Check::kIso3166, "999"), FaultKind::kCountry);
  EXPECT_EQ(FaultOf(Check::kIso3166999, "999"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kIso3166999, "998"), FaultKind::kCountryOr999);
  EXPECT_EQ(FaultOf(Check::kIso3166Alpha2, "JP"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kIso3166Alpha2, "XX"), FaultKind::kCountryAlpha2);
  EXPECT_EQ(FaultOf(Check::kIso3166Alpha2, "jp"), FaultKind::kCountryAlpha2);
  EXPECT_EQ(FaultOf(Check::kIso4217, "392"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kIso4217, "978"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kIso4217, "001"), FaultKind::kCurrency);
  for (const char* index : {"-", "0", "Z", "_", "a"})
    EXPECT_EQ(FaultOf(Check::kImporterIdx, index), FaultKind::kNone) << index;
  for (const char* index : {".", "#", "!"})
    EXPECT_EQ(FaultOf(Check::kImporterIdx, index), FaultKind::kImporterIndex) << index;
  EXPECT_EQ(FaultOf(Check::kHyphen, "-"), FaultKind::kNone);
  EXPECT_EQ(FaultOf(Check::kHyphen, "+"), FaultKind::kNotHyphen);
}

TEST(ListChecks, PassWithoutTheirLists) {
  for (const Check check : {Check::kGcpPos1, Check::kGcpPos2, Check::kPackageType,
                            Check::kCouponCode, Check::kCouponPosOffer})
    EXPECT_EQ(FaultOf(check, "A1"), FaultKind::kNone);
}

}  // namespace
