#include "composite/expanded_method.h"

#include <cstring>

namespace composite {
namespace {

// Character positions in a text that starts with AI 01.
constexpr int kIndicatorDigit = 2;
constexpr int kItemDigits = 3;  // the 12 digits after the indicator, in four groups of three
constexpr int kAfterGtin = 16;
constexpr int kAiAfterGtin = 16;    // the four digits of the AI that follows the GTIN
constexpr int kAiLastDigit = 19;    // the decimals of a weight or a price
constexpr int kWeight = 20;         // six digits of weight after a 310x or 320x AI
constexpr int kPriceCurrency = 20;  // three digits of ISO 4217 currency after a 393x AI
constexpr int kWeightTextLength = 26;
constexpr int kDateAi = 26;
constexpr int kDate = 28;
constexpr int kWeightAndDateTextLength = 34;

// The date field value of the weight methods when no date follows.
constexpr int kNoDate = 38400;

bool Matches(const char* text, int at, const char* prefix) {
  return std::strncmp(text + at, prefix, std::strlen(prefix)) == 0;
}

bool AllDigits(const char* text, int from, int to) {
  for (int i = from; i < to; ++i) {
    if (!IsDigit(text[i]))
      return false;
  }
  return true;
}

int Number(const char* text, int from, int to) {
  int value = 0;
  for (int i = from; i < to; ++i)
    value = value * 10 + (text[i] - '0');
  return value;
}

// The text as the compressed methods see it: its length and whether it starts with a GTIN.
struct GtinText {
  const char* text;
  int length;

  bool HasGtin() const {
    return length >= kAfterGtin && Matches(text, 0, "01") &&
           AllDigits(text, kIndicatorDigit, kAfterGtin);
  }
  // The compressed methods other than method 1 leave the indicator digit out: it must be 9.
  bool HasGtinWithIndicator9() const { return HasGtin() && text[kIndicatorDigit] == '9'; }
  bool HasAi(const char* ai) const { return Matches(text, kAiAfterGtin, ai); }
  bool DigitAt(int at) const { return at < length && IsDigit(text[at]); }
  int DigitValue(int at) const { return text[at] - '0'; }
  int Weight() const { return Number(text, kWeight, kWeight + 6); }
  bool HasWeightDigits() const { return AllDigits(text, kWeight, kWeight + 6); }
};

void WriteItemDigits(CompositeEncodeState& state) {
  for (int group = 0; group < 4; ++group) {
    const int from = kItemDigits + 3 * group;
    state.Write(10, Number(state.text, from, from + 3));
  }
}

// The method field of a compressed method and the 12 item digits.
void WriteCompressed(CompositeEncodeState& state, int methodBits, int method) {
  state.Write(methodBits, method);
  WriteItemDigits(state);
}

bool IsWeightAi(const GtinText& t) {
  return (t.HasAi("310") || t.HasAi("320")) && t.DigitAt(kAiLastDigit);
}

// AI 11, 13, 15 or 17 after the weight with a date the 16-bit field can hold: month 1 to 12 and
// day 0 to 31. Another date would encode as a different one, so it goes the general way.
int DateAiIndex(const GtinText& t) {
  static constexpr const char* kDateAis[] = {"11", "13", "15", "17"};
  for (int i = 0; i < 4; ++i) {
    if (Matches(t.text, kDateAi, kDateAis[i]))
      return i;
  }
  return -1;
}

bool HasValidDate(const GtinText& t) {
  if (!AllDigits(t.text, kDate, kDate + 6))
    return false;
  const int month = Number(t.text, kDate + 2, kDate + 4);
  const int day = Number(t.text, kDate + 4, kDate + 6);
  return month >= 1 && month <= 12 && day <= 31;
}

int DateValue(const char* text) {
  const int year = Number(text, kDate, kDate + 2);
  const int month = Number(text, kDate + 2, kDate + 4);
  const int day = Number(text, kDate + 4, kDate + 6);
  return year * 384 + (month - 1) * 32 + day;
}

// Methods 0100 and 0101: a net weight in kilograms or pounds in 15 bits, nothing else.
bool TryShortWeight(CompositeEncodeState& state, const GtinText& t) {
  if (t.length != kWeightTextLength || !t.HasWeightDigits())
    return false;
  const int weight = t.Weight();
  if (t.HasAi("3103") && weight <= 32767) {
    WriteCompressed(state, 4, 0b0100);
    state.Write(15, weight);
  } else if (t.HasAi("3202") && weight <= 9999) {
    WriteCompressed(state, 4, 0b0101);
    state.Write(15, weight);
  } else if (t.HasAi("3203") && weight <= 22767) {
    WriteCompressed(state, 4, 0b0101);
    state.Write(15, weight + 10000);
  } else {
    return false;
  }
  state.position = kWeightTextLength;
  return true;
}

// Methods 01100 and 01101: a price (AI 392x) or a price with its currency (AI 393x); the price
// digits follow as general-purpose data.
bool TryPrice(CompositeEncodeState& state, const GtinText& t) {
  // At least one digit of price follows.
  const bool price = t.HasAi("392") && t.length > kPriceCurrency;
  const bool priceWithCurrency = t.HasAi("393") && t.length > kPriceCurrency + 3;
  if (!price && !priceWithCurrency)
    return false;
  const int decimals = t.DigitAt(kAiLastDigit) ? t.DigitValue(kAiLastDigit) : -1;
  if (decimals < 0 || decimals > 3)
    return false;
  if (priceWithCurrency && !AllDigits(t.text, kPriceCurrency, kPriceCurrency + 3))
    return false;
  // The two variable-length bits follow the five method bits.
  WriteCompressed(state, 7, priceWithCurrency ? 0b0110100 : 0b0110000);
  state.Write(2, decimals);
  if (priceWithCurrency) {
    state.Write(10, Number(t.text, kPriceCurrency, kPriceCurrency + 3));
    state.position = kPriceCurrency + 3;
  } else {
    state.position = kPriceCurrency;
  }
  return true;
}

// Methods 0111000 to 0111111: a net weight (AI 310x or 320x) in 20 bits and a date in 16 bits,
// the date's AI in the method's last three bits.
bool TryWeightAndDate(CompositeEncodeState& state, const GtinText& t) {
  if (!IsWeightAi(t) || !t.HasWeightDigits() || t.Weight() > 99999)
    return false;
  int dateAi = 0;
  if (t.length == kWeightAndDateTextLength) {
    dateAi = DateAiIndex(t);
    if (dateAi < 0 || !HasValidDate(t))
      return false;
  } else if (t.length != kWeightTextLength) {
    return false;
  }
  const int pounds = t.text[kAiAfterGtin + 1] == '2' ? 1 : 0;
  WriteCompressed(state, 7, 0b0111000 | dateAi << 1 | pounds);
  const int weight = t.DigitValue(kAiLastDigit) * 100000 + t.Weight();
  state.Write(4, weight >> 16);
  state.Write(16, weight & 0xFFFF);
  state.Write(16, t.length == kWeightTextLength ? kNoDate : DateValue(t.text));
  state.position = t.length;
  return true;
}

// Method 1: the indicator digit and the item digits; the rest is general-purpose data.
void WriteGtin(CompositeEncodeState& state) {
  state.Write(3, 0b100);  // method 1 and the two variable-length bits
  state.Write(4, state.text[kIndicatorDigit] - '0');
  WriteItemDigits(state);
  state.position = kAfterGtin;
}

}  // namespace

int ChooseExpandedMethod(CompositeEncodeState& state) {
  const GtinText t{state.text, static_cast<int>(std::strlen(state.text))};
  if (t.HasGtinWithIndicator9() &&
      (TryShortWeight(state, t) || TryPrice(state, t) || TryWeightAndDate(state, t))) {
    return kNumericMode;
  }
  if (t.HasGtin()) {
    WriteGtin(state);
    return kNumericMode;
  }
  state.Write(4, 0b0000);  // method 00 and the two variable-length bits
  state.position = 0;
  return kNumericMode;
}

int VariableLengthBitPosition(const BitBuffer& bits) {
  if (GetBit(bits, 1) == 1)
    return 2;
  if (GetBit(bits, 2) == 0)
    return 3;
  const int method = GetBits(bits, 3, 3);
  return method == 0b100 || method == 0b101 ? 6 : -1;
}

}  // namespace composite
