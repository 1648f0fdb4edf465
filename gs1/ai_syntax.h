// The formats of the GS1 application identifiers: for each AI the parts of its data, their
// character sets, lengths and content checks, whether FNC1 must end its data, and the AIs it
// requires or excludes. The rows themselves are generated into gs1/ai_syntax_rows.h.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace gs1 {

// The character set of a part: N digits; X the 82 characters of GS1 character set 82; Y the 39 of
// set 39; Z the 64 of the URL-safe base 64 alphabet.
enum class CharacterSet : uint8_t { kN, kX, kY, kZ };

// The content checks a part may name. Those of the company prefix, package types and coupons need
// lists this project does not have and pass every value.
enum class Check : uint8_t {
  kCsum,
  kCsumAlpha,
  kGcpPos1,
  kGcpPos2,
  kYymmdd,
  kYymmd0,
  kYyyymmdd,
  kHhmi,
  kHh,
  kMi,
  kSs,
  kZero,
  kNonzero,
  kNoZeroPrefix,
  kHasNonDigit,
  kYesNo,
  kWinding,
  kPieceOfTotal,
  kPosInSeqSlash,
  kHyphen,
  kPcenc,
  kIso3166,
  kIso3166999,
  kIso3166Alpha2,
  kIso4217,
  kIso5218,
  kIban,
  kLatitude,
  kLongitude,
  kImporterIdx,
  kMediaType,
  kPackageType,
  kCouponCode,
  kCouponPosOffer,
};

inline constexpr int kMaxChecksPerPart = 3;
inline constexpr int kMaxPartsPerAi = 5;

struct DataPart {
  CharacterSet set;
  uint8_t minLength;
  uint8_t maxLength;
  bool optional;  // it and every part after it may be absent
  uint8_t checkCount;
  std::array<Check, kMaxChecksPerPart> checks;

  std::span<const Check> Checks() const { return {checks.data(), checkCount}; }
};

// One row: the AIs firstAi to lastAi, all aiLength digits long, share its format.
struct AiSyntax {
  uint16_t firstAi;
  uint16_t lastAi;
  uint8_t aiLength;
  bool needsFnc1;  // false where the AI's data has a length every reader knows
  uint8_t partCount;
  std::array<DataPart, kMaxPartsPerAi> parts;
  // Lists of AIs or patterns ('n' any digit), empty for none. requiredAis: alternatives
  // separated by ',', AIs required together joined by '+', lists that must all hold separated by
  // ';'. excludedAis: the AIs that must not appear with this one, separated by ','.
  std::string_view requiredAis;
  std::string_view excludedAis;

  std::span<const DataPart> Parts() const { return {parts.data(), partCount}; }
};

// The row of `ai` (its digits as written), null when it is not a GS1 AI.
const AiSyntax* FindAiSyntax(std::string_view ai);

// The number of digits of every AI that begins with these two digits; 0 when none does. GS1 AIs
// are chosen so that the first two digits decide the length.
int AiLengthOfPrefix(std::string_view twoDigits);

// Whether `ai` matches `pattern`: equal, where each 'n' of the pattern stands for any digit.
bool MatchesAiPattern(std::string_view pattern, std::string_view ai);

// The items of a list such as "01+21,03+21" separated by one character, one at a time.
class ListItems {
 public:
  ListItems(std::string_view list, char separator) : rest_(list), separator_(separator) {}

  // The next item; false when there is none. An empty list has none.
  bool Next(std::string_view& item);

 private:
  std::string_view rest_;
  char separator_;
  bool done_ = false;
};

// Whether `list` (patterns separated by `separator`) holds a pattern that `ai` matches.
bool ListMatchesAi(std::string_view list, char separator, std::string_view ai);

// The whole table, in the order of the data file (ascending AIs).
std::span<const AiSyntax> AiSyntaxRows();

}  // namespace gs1
