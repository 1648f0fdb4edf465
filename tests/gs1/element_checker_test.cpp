// Whole messages: each element string against its AI's parts, then the pairs of the message, and
// the required AIs reported apart.
#include "gs1/element_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "gs1/requirements.h"

namespace {

using gs1::FaultKind;

gs1::Verdict Check(std::string_view bracketed) {
  gs1::ElementStrings elements;  // the verdict points into the text, not into the list
  const gs1::Verdict read = gs1::ReadBracketedForm(bracketed, elements);
  return read.ok() ? gs1::CheckElementStrings(elements.View()) : read;
}

FaultKind FaultOf(std::string_view bracketed) {
  return Check(bracketed).fault;
}

TEST(ElementCheck, TheExamplesUsersMet) {
  EXPECT_EQ(FaultOf("(01)98898765432106(3202)012345"), FaultKind::kNone);
  const gs1::Verdict digit = Check("(01)98898765432107(3202)012345");
  EXPECT_EQ(digit.fault, FaultKind::kCheckDigit);
  EXPECT_EQ(digit.index, 0);
  EXPECT_EQ(digit.ai, "01");
  EXPECT_STREQ(digit.expected.data(), "6");
  EXPECT_EQ(FaultOf("(17)991332"), FaultKind::kMonth);
  EXPECT_EQ(FaultOf("(11)000000"), FaultKind::kMonth);
  EXPECT_EQ(FaultOf("(17)990231"), FaultKind::kDay);
  EXPECT_EQ(FaultOf("(10)LOT 1001"), FaultKind::kBadCharacter);
  EXPECT_EQ(FaultOf("(01)12345678901231(37)1"), FaultKind::kExcludedPair);
}

TEST(ElementCheck, UnknownAis) {
  for (const char* text :
       {"(04)1", "(3106)000001", "(310)000001", "(0)1", "()1", "(1O)A", "(01234)5"})
    EXPECT_EQ(FaultOf(text), FaultKind::kUnknownAi) << text;
  EXPECT_EQ(FaultOf("(3105)000001"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(99)A"), FaultKind::kNone);
}

TEST(ElementCheck, LengthsGiveTheWholeDatasRange) {
  const gs1::Verdict shortGtin = Check("(01)1234567890123");
  EXPECT_EQ(shortGtin.fault, FaultKind::kDataTooShort);
  EXPECT_EQ(shortGtin.minLength, 14);
  EXPECT_EQ(shortGtin.maxLength, 14);
  const gs1::Verdict longLot = Check("(10)123456789012345678901");
  EXPECT_EQ(longLot.fault, FaultKind::kDataTooLong);
  EXPECT_EQ(longLot.minLength, 1);
  EXPECT_EQ(longLot.maxLength, 20);
  EXPECT_EQ(FaultOf("(10)"), FaultKind::kDataTooShort);
  EXPECT_EQ(FaultOf("(01)12345678901231 "), FaultKind::kDataTooLong);
}

TEST(ElementCheck, OptionalPartsAreWholeOrAbsent) {
  EXPECT_EQ(FaultOf("(7007)991231"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(7007)991231991231"), FaultKind::kNone);
  const gs1::Verdict cut = Check("(7007)991231991");
  EXPECT_EQ(cut.fault, FaultKind::kDataTooShort);
  EXPECT_EQ(cut.part, 1);
  EXPECT_EQ(cut.minLength, 6);
  EXPECT_EQ(cut.maxLength, 12);
  const gs1::Verdict secondDate = Check("(7007)991231991232");
  EXPECT_EQ(secondDate.fault, FaultKind::kDay);
  EXPECT_EQ(secondDate.part, 1);
  EXPECT_EQ(secondDate.found, "991232");
  // 8008: date, hour, then optional minutes and seconds.
  EXPECT_EQ(FaultOf("(8008)99123123"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(8008)9912312359"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(8008)991231235960"), FaultKind::kSecond);
  EXPECT_EQ(FaultOf("(8008)991231235"), FaultKind::kDataTooShort);
  EXPECT_EQ(FaultOf("(8008)9912312359591"), FaultKind::kDataTooLong);
}

TEST(ElementCheck, EachPartHasItsOwnSetAndChecks) {
  // 421: a numeric country, then a postal code of set 82.
  EXPECT_EQ(FaultOf("(421)392ABC-12"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(421)39AABC"), FaultKind::kBadCharacter);
  EXPECT_EQ(FaultOf("(421)999ABC"), FaultKind::kCountry);
  const gs1::Verdict badSet = Check("(421)392AB C");
  EXPECT_EQ(badSet.part, 1);
  EXPECT_EQ(badSet.found, " ");
  // 8001: the three dimensions may not be zero, the winding is 0, 1 or 9.
  EXPECT_EQ(FaultOf("(8001)12341234512311"), FaultKind::kNone);
  EXPECT_EQ(Check("(8001)12340000012311").part, 1);
  EXPECT_EQ(FaultOf("(8001)12341234512341"), FaultKind::kWinding);
  // 8003: a zero, a GRAI with its check digit, an optional serial.
  EXPECT_EQ(FaultOf("(8003)01234567890128ABC"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(8003)11234567890128"), FaultKind::kNotZero);
  EXPECT_EQ(FaultOf("(8003)01234567890129"), FaultKind::kCheckDigit);
  // 8006: an ITIP and its piece of the total.
  EXPECT_EQ(FaultOf("(8006)123456789012310102"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(8006)123456789012310201"), FaultKind::kPieceOfTotal);
  // 4309: latitude and longitude.
  EXPECT_EQ(FaultOf("(4309)18000000003600000000"), FaultKind::kNone);
  EXPECT_EQ(Check("(4309)18000000003600000001").fault, FaultKind::kLongitude);
  // 8014 needs a non-digit as well as its check pair.
  EXPECT_EQ(FaultOf("(8014)1987654Ad4X4bL5ttr2310c2K"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(8014)22"), FaultKind::kOnlyDigits);
  // 8010 takes set 39, 8030 the base 64 set.
  EXPECT_EQ(FaultOf("(8010)1234#-/AB"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(8010)1234ab"), FaultKind::kBadCharacter);
  EXPECT_EQ(FaultOf("(8030)AZaz09-_"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(8030)AB+/"), FaultKind::kBadCharacter);
}

TEST(ElementCheck, ExcludedPairsIncludePatternsAndBothDirections) {
  const gs1::Verdict net = Check("(01)12345678901231(3100)000001(3102)000100");
  EXPECT_EQ(net.fault, FaultKind::kExcludedPair);
  EXPECT_EQ(net.index, 2);
  EXPECT_EQ(net.otherIndex, 1);
  EXPECT_EQ(net.otherAi, "3100");
  // Different measures in different units may go together.
  EXPECT_EQ(FaultOf("(01)12345678901231(3100)000001(3200)000002"), FaultKind::kNone);
  // 37 names no exclusions; 01 excludes it, found from either side.
  EXPECT_EQ(FaultOf("(37)1(01)12345678901231"), FaultKind::kExcludedPair);
  EXPECT_EQ(FaultOf("(3900)1(3910)3921"), FaultKind::kExcludedPair);  // 390n excludes 391n
  EXPECT_EQ(FaultOf("(4330)000123(4331)000123"), FaultKind::kExcludedPair);
}

TEST(ElementCheck, RepeatedAiNeedsTheSameData) {
  EXPECT_EQ(FaultOf("(01)12345678901231(10)ABC(10)ABC"), FaultKind::kNone);
  EXPECT_EQ(FaultOf("(3100)000001(3100)000001"), FaultKind::kNone);  // not excluded by itself
  const gs1::Verdict twice = Check("(10)ABC(01)12345678901231(10)ABD");
  EXPECT_EQ(twice.fault, FaultKind::kConflictingDuplicate);
  EXPECT_EQ(twice.index, 2);
  EXPECT_EQ(twice.otherIndex, 0);
}

TEST(ElementCheck, FirstFaultByPositionThenElementBeforePair) {
  // An element fault after a pair fault is not reached.
  EXPECT_EQ(Check("(01)12345678901231(37)1(17)991332").fault, FaultKind::kExcludedPair);
  // Within one element string the element's own fault comes before its pairs.
  const gs1::Verdict verdict = Check("(01)12345678901231(37)A");
  EXPECT_EQ(verdict.fault, FaultKind::kBadCharacter);
  EXPECT_EQ(verdict.index, 1);
}

TEST(ElementCheck, CompositeJoinsTheLinearItemNumber) {
  gs1::ElementStrings message;
  ASSERT_TRUE(message.Add({"01", "12345678901231"}));
  ASSERT_TRUE(gs1::ReadInternalForm("0112345678901248", message).ok());
  const gs1::Verdict verdict = gs1::CheckElementStrings(message.View());
  EXPECT_EQ(verdict.fault, FaultKind::kConflictingDuplicate);
  EXPECT_EQ(verdict.index, 1);
}

std::vector<std::string> Unmet(std::string_view bracketed) {
  gs1::ElementStrings elements;
  EXPECT_TRUE(gs1::ReadBracketedForm(bracketed, elements).ok());
  std::array<gs1::UnmetRequirement, 4> found;
  const size_t count = gs1::FindUnmetRequirements(elements.View(), found);
  std::vector<std::string> texts;
  for (size_t i = 0; i < std::min(count, found.size()); ++i) {
    texts.push_back(std::to_string(found[i].index) + " " + std::string(found[i].ai) + ":" +
                    std::string(found[i].alternatives));
  }
  return texts;
}

TEST(Requirements, ReportedNotRefused) {
  EXPECT_EQ(FaultOf("(10)LOT1001(17)991231"), FaultKind::kNone);
  EXPECT_EQ(Unmet("(10)LOT1001(17)991231"),
            (std::vector<std::string>{"0 10:01,02,03,8006,8026", "1 17:01,02,03,255,8006,8026"}));
  EXPECT_TRUE(Unmet("(01)12345678901231(10)LOT(17)991231").empty());
}

TEST(Requirements, TogetherPatternsAndSeveralLists) {
  // 250 needs 21 together with 01, 03 or 8006.
  EXPECT_EQ(Unmet("(01)12345678901231(250)A"),
            (std::vector<std::string>{"1 250:01+21,03+21,8006+21"}));
  EXPECT_TRUE(Unmet("(01)12345678901231(21)S(250)A").empty());
  // 3920 names 31nn-style patterns: any 31nn, 32nn, 35nn, 36nn with 01.
  EXPECT_TRUE(Unmet("(01)12345678901231(3103)000100(3920)100").empty());
  EXPECT_EQ(Unmet("(01)12345678901231(3920)100"),
            (std::vector<std::string>{"1 3920:01+30,01+31nn,01+32nn,01+35nn,01+36nn"}));
  // One AI twice is reported once; the total counts beyond what the caller's list holds.
  EXPECT_EQ(Unmet("(10)A(10)A").size(), 1u);
  gs1::ElementStrings many;
  ASSERT_TRUE(gs1::ReadBracketedForm("(10)A(11)991231(13)991231(15)991231(16)991231", many).ok());
  std::array<gs1::UnmetRequirement, 2> two;
  EXPECT_EQ(gs1::FindUnmetRequirements(many.View(), two), 5u);
}

}  // namespace
