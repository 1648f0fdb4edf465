#include "gs1/fault_messages.h"

#include <array>
#include <vector>

#include "gs1/ai_syntax.h"

namespace gs1 {
namespace {

struct FaultMessageRow {
  FaultKind fault;
  MessageTexts texts;
};

constexpr FaultMessageRow kFaultMessages[] = {
    {FaultKind::kNone, {"", ""}},
    {FaultKind::kMalformed,
     {"「{found}」の部分がAIとデータの並びになっていません。",
      "\"{found}\" is not an application identifier (AI) followed by its data."}},
    {FaultKind::kTooManyElementStrings,
     {"AIが多すぎます。AIの数を減らしてください。",
      "There are too many application identifiers (AIs)."}},
    {FaultKind::kUnknownAi,
     {"AI({ai})はGS1のアプリケーション識別子にありません。",
      "AI ({ai}) is not a GS1 application identifier."}},
    {FaultKind::kDataTooShort,
     {"AI({ai})のデータが短すぎます。{length}文字で入力してください。",
      "The data of AI ({ai}) is too short: it takes {length} characters."}},
    {FaultKind::kDataTooLong,
     {"AI({ai})のデータが長すぎます。{length}文字で入力してください。",
      "The data of AI ({ai}) is too long: it takes {length} characters."}},
    {FaultKind::kBadCharacter,
     {"AI({ai})のデータに使えない文字「{found}」があります。",
      "The data of AI ({ai}) holds the character \"{found}\", which it cannot take."}},
    {FaultKind::kCheckDigit,
     {"AI({ai})のチェックデジットが違います。正しいチェックデジットは「{expected}」です。",
      "The check digit of AI ({ai}) is wrong: it should be {expected}."}},
    {FaultKind::kCheckCharacters,
     {"AI({ai})の末尾2文字のチェック文字が違います。正しいチェック文字は「{expected}」です。",
      "The check character pair at the end of AI ({ai}) is wrong: it should be {expected}."}},
    {FaultKind::kMonth,
     {"AI({ai})の日付「{found}」の月が01～12ではありません。",
      "The month of the date {found} in AI ({ai}) is not 01 to 12."}},
    {FaultKind::kDay,
     {"AI({ai})の日付「{found}」の日がその月にありません。",
      "The day of the date {found} in AI ({ai}) does not exist in its month."}},
    {FaultKind::kHour,
     {"AI({ai})の時「{found}」が00～23ではありません。",
      "The hour {found} in AI ({ai}) is not 00 to 23."}},
    {FaultKind::kMinute,
     {"AI({ai})の分「{found}」が00～59ではありません。",
      "The minutes {found} in AI ({ai}) are not 00 to 59."}},
    {FaultKind::kSecond,
     {"AI({ai})の秒「{found}」が00～59ではありません。",
      "The seconds {found} in AI ({ai}) are not 00 to 59."}},
    {FaultKind::kNotZero,
     {"AI({ai})の「{found}」の位置は「0」にしてください。",
      "In AI ({ai}) the digit 0 must stand where \"{found}\" is."}},
    {FaultKind::kAllZeros,
     {"AI({ai})の「{found}」はすべてゼロにはできません。",
      "In AI ({ai}), {found} cannot be all zeros."}},
    {FaultKind::kLeadingZero,
     {"AI({ai})のデータ「{found}」は先頭を「0」にできません。",
      "The data {found} of AI ({ai}) cannot begin with 0."}},
    {FaultKind::kOnlyDigits,
     {"AI({ai})のデータには数字以外の文字を1文字以上含めてください。",
      "The data of AI ({ai}) must hold at least one character that is not a digit."}},
    {FaultKind::kNotYesNo,
     {"AI({ai})のデータは「0」(いいえ)か「1」(はい)で入力してください。",
      "The data of AI ({ai}) must be 0 (no) or 1 (yes)."}},
    {FaultKind::kWinding,
     {"AI({ai})の巻き方向「{found}」は「0」「1」「9」のいずれかで入力してください。",
      "The winding direction {found} in AI ({ai}) must be 0, 1 or 9."}},
    {FaultKind::kPieceOfTotal,
     {"AI({ai})の個数番号「{found}"
      "」が正しくありません。番号（前2桁）と総数（後2桁）は01～99で、番号"
      "は総数以下にしてください。",
      "The piece number {found} in AI ({ai}) is wrong: piece (first two digits) and total (last "
      "two) are 01 to 99, and the piece is not above the total."}},
    {FaultKind::kPositionInSequence,
     {"AI({ai})の「{found}」は「番号/"
      "総数」の形（先頭が0でない数字、番号は総数以下）で入力してくださ"
      "い。",
      "AI ({ai}) takes \"position/total\" (numbers without leading zeros, the position not above "
      "the total), not \"{found}\"."}},
    {FaultKind::kNotHyphen,
     {"AI({ai})の「{found}」の位置には「-」だけが使えます。",
      "AI ({ai}) takes only a hyphen \"-\" where \"{found}\" is."}},
    {FaultKind::kPercentEncoding,
     {"AI({ai})の「%」の後には16進数2桁が必要です（「{found}」）。",
      "In AI ({ai}) every \"%\" must be followed by two hexadecimal digits (\"{found}\")."}},
    {FaultKind::kCountry,
     {"AI({ai})の国コード「{found}」はISO 3166-1の数字の国コードではありません。",
      "The country code {found} in AI ({ai}) is not an ISO 3166-1 numeric country code."}},
    {FaultKind::kCountryOr999,
     {"AI({ai})の国コード「{found}」はISO 3166-1の数字の国コードでも「999」でもありません。",
      "The country code {found} in AI ({ai}) is neither an ISO 3166-1 numeric country code nor "
      "999."}},
    {FaultKind::kCountryAlpha2,
     {"AI({ai})の国コード「{found}」はISO 3166-1の英字2文字の国コードではありません。",
      "The country code {found} in AI ({ai}) is not an ISO 3166-1 alpha-2 country code."}},
    {FaultKind::kCurrency,
     {"AI({ai})の通貨コード「{found}」はISO 4217の数字の通貨コードではありません。",
      "The currency code {found} in AI ({ai}) is not an ISO 4217 numeric currency code."}},
    {FaultKind::kSex,
     {"AI({ai})の性別コード「{found}」は「0」「1」「2」「9」のいずれかで入力してください。",
      "The sex code {found} in AI ({ai}) must be 0, 1, 2 or 9 (ISO/IEC 5218)."}},
    {FaultKind::kIban,
     {"AI({ai})のIBAN「{found}」の形が正しくありません。国コード（英大文字2文字）、検査数字2桁、英"
      "大文字と数字の順で入力してください。",
      "The IBAN {found} in AI ({ai}) is malformed: it takes a country code of two capital "
      "letters, two check digits, then capital letters and digits."}},
    {FaultKind::kIbanCheckDigits,
     {"AI({ai})のIBAN「{found}」の検査数字が合いません。",
      "The check digits of the IBAN {found} in AI ({ai}) do not match."}},
    {FaultKind::kLatitude,
     {"AI({ai})の緯度「{found}」が0000000000～1800000000ではありません。",
      "The latitude {found} in AI ({ai}) is not 0000000000 to 1800000000."}},
    {FaultKind::kLongitude,
     {"AI({ai})の経度「{found}」が0000000000～3600000000ではありません。",
      "The longitude {found} in AI ({ai}) is not 0000000000 to 3600000000."}},
    {FaultKind::kImporterIndex,
     {"AI({ai})の輸入者インデックス「{found}」は英数字、「-」または「_"
      "」の1文字で入力してください。",
      "The importer index {found} in AI ({ai}) must be one letter, digit, \"-\" or \"_\"."}},
    {FaultKind::kMediaType,
     {"AI({ai})のメディアタイプ「{found}」は01～10または80～99で入力してください。",
      "The media type {found} in AI ({ai}) must be 01 to 10 or 80 to 99."}},
    {FaultKind::kExcludedPair,
     {"AI({ai})はAI({other})と同じシンボルに入れられません。",
      "AI ({ai}) cannot appear together with AI ({other})."}},
    {FaultKind::kConflictingDuplicate,
     {"AI({ai})が2回あり、データが異なります。同じAIには同じデータを入力してください。",
      "AI ({ai}) appears twice with different data; a repeated AI must carry the same data."}},
};

constexpr bool RowsFollowTheKinds() {
  for (int i = 0; i < kFaultKindCount; ++i) {
    if (static_cast<int>(kFaultMessages[i].fault) != i) {
      return false;
    }
  }
  return true;
}
static_assert(std::size(kFaultMessages) == kFaultKindCount && RowsFollowTheKinds(),
              "one message row per fault kind, in the order of FaultKind");

constexpr MessageTexts kUnmetRequirementTexts = {
    "AI({ai})は{alternatives}と組み合わせて使います。商品の他のバーコードにもない場合は追加してく"
    "ださい。",
    "AI ({ai}) is used together with {alternatives}; unless another barcode on the item carries "
    "it, add it."};

// Long offending texts (the rest of a malformed text) are cut, at a character boundary.
constexpr size_t kMaxFoundLength = 20;

std::string Shortened(std::string_view text) {
  if (text.size() <= kMaxFoundLength) {
    return std::string(text);
  }
  size_t end = kMaxFoundLength;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    --end;
  }
  return std::string(text.substr(0, end)) + "...";
}

std::string LengthText(const Verdict& verdict, bool japanese) {
  const std::string low = std::to_string(verdict.minLength);
  if (verdict.minLength == verdict.maxLength) {
    return low;
  }
  return low + (japanese ? "～" : " to ") + std::to_string(verdict.maxLength);
}

// "(01)", "(01)+(21)": one alternative of a requirement.
std::string AlternativeText(std::string_view alternative) {
  std::string text;
  ListItems ais(alternative, '+');
  for (std::string_view ai; ais.Next(ai);) {
    text += (text.empty() ? "(" : "+(") + std::string(ai) + ")";
  }
  return text;
}

std::string AlternativesText(std::string_view alternatives, bool japanese) {
  std::vector<std::string> options;
  ListItems items(alternatives, ',');
  for (std::string_view option; items.Next(option);) {
    options.push_back(AlternativeText(option));
  }
  std::string text = japanese ? "AI" : (options.size() > 1 ? "one of AI " : "AI ");
  for (size_t i = 0; i < options.size(); ++i) {
    if (i > 0) {
      text += japanese ? "、" : (i + 1 == options.size() ? " or " : ", ");
    }
    text += options[i];
  }
  return options.size() > 1 && japanese ? text + "のいずれか" : text;
}

struct Blanks {
  std::string_view ai;
  std::string_view other;
  std::string found;
  std::string expected;
  std::string length;
  std::string alternatives;
};

std::string Filled(std::string_view pattern, const Blanks& blanks) {
  std::string text;
  size_t at = 0;
  while (at < pattern.size()) {
    const size_t open = pattern.find('{', at);
    const size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
    if (close == std::string_view::npos) {
      text.append(pattern.substr(at));
      break;
    }
    text.append(pattern.substr(at, open - at));
    const std::string_view name = pattern.substr(open + 1, close - open - 1);
    if (name == "ai") {
      text.append(blanks.ai);
    } else if (name == "other") {
      text.append(blanks.other);
    } else if (name == "found") {
      text.append(blanks.found);
    } else if (name == "expected") {
      text.append(blanks.expected);
    } else if (name == "length") {
      text.append(blanks.length);
    } else if (name == "alternatives") {
      text.append(blanks.alternatives);
    }
    at = close + 1;
  }
  return text;
}

}  // namespace

MessageTexts FaultMessageTexts(FaultKind fault) {
  return kFaultMessages[static_cast<int>(fault)].texts;
}

MessageTexts UnmetRequirementTexts() {
  return kUnmetRequirementTexts;
}

UserMessage DescribeFault(const Verdict& verdict) {
  const MessageTexts texts = FaultMessageTexts(verdict.fault);
  Blanks blanks{verdict.ai,
                verdict.otherAi,
                Shortened(verdict.found),
                std::string(verdict.expected.data()),
                {},
                {}};
  blanks.length = LengthText(verdict, true);
  UserMessage message;
  message.japanese = Filled(texts.japanese, blanks);
  blanks.length = LengthText(verdict, false);
  message.english = Filled(texts.english, blanks);
  return message;
}

UserMessage DescribeUnmetRequirement(const UnmetRequirement& requirement) {
  Blanks blanks{requirement.ai, {}, {}, {}, {}, AlternativesText(requirement.alternatives, true)};
  UserMessage message;
  message.japanese = Filled(kUnmetRequirementTexts.japanese, blanks);
  blanks.alternatives = AlternativesText(requirement.alternatives, false);
  message.english = Filled(kUnmetRequirementTexts.english, blanks);
  return message;
}

}  // namespace gs1
