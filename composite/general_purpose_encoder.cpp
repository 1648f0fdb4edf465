#include "composite/general_purpose_encoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "composite/method_field.h"

namespace composite {
namespace {

constexpr std::array<uint8_t, 256> BuildClassTable() {
  std::array<uint8_t, 256> table{};
  const auto mark = [&table](std::string_view chars, uint8_t classes) {
    for (char c : chars)
      table[static_cast<unsigned char>(c)] |= classes;
  };
  table[0] = kEndOfTextClass;
  mark("0123456789", kNumericClass | kAlphanumericClass | kIso646Class);
  mark("*,-./ABCDEFGHIJKLMNOPQRSTUVWXYZ", kAlphanumericClass | kIso646Class);
  mark(" !\"%&'()+:;<=>?_abcdefghijklmnopqrstuvwxyz", kIso646Class);
  return table;
}

constexpr std::array<uint8_t, 256> kClassTable = BuildClassTable();

constexpr int kFnc1Value = 10;        // FNC1 in a numeric pair
constexpr int kPadPattern = 0b00100;  // an alphanumeric latch, repeated

// Latches, written in the mode that is left.
void LatchNumericToAlphanumeric(CompositeEncodeState& state) {
  state.Write(4, 0b0000);
}
void LatchToNumeric(CompositeEncodeState& state) {
  state.Write(3, 0b000);
}
// Alphanumeric to ISO/IEC 646 and back share one code.
void LatchBetweenAlphanumericAndIso646(CompositeEncodeState& state) {
  state.Write(5, 0b00100);
}

int NumericValue(char c) {
  return c == kFnc1 ? kFnc1Value : c - '0';
}

// FNC1 takes part in numeric pairs, so the look-aheads count it with the digits.
bool IsDigitOrFnc1(char c) {
  return IsDigit(c) || c == kFnc1;
}

// Writes min(remaining, 4) zeros at the end of numeric data: the latch to alphanumeric that
// starts the padding, or as much of it as fits.
void EndNumericData(CompositeEncodeState& state) {
  const int remaining = state.RemainingBits();
  if (remaining > 0)
    state.Write(std::min(remaining, 4), 0);
}

// A single digit is left at the end of the data: it goes in 4 bits when that ends the size with
// up to 2 spare bits (zeros), otherwise paired with FNC1 and followed by the end of numeric data
// in the size that then holds the string.
int EncodeFinalDigit(CompositeEncodeState& state, char digit) {
  ++state.position;
  const int remaining = state.RemainingBits();
  if (remaining >= 4 && remaining <= 6) {
    state.Write(4, digit - '0' + 1);
    state.Write(remaining - 4, 0);
  } else {
    state.Write(7, (digit - '0') * 11 + kFnc1Value + 8);
    EndNumericData(state);
  }
  return kDoneMode;
}

// Whether an alphanumeric run should latch to numeric at a digit: four digits or FNC1s that end
// the data, or six in a row.
bool DigitRunWorthNumeric(const char* text) {
  int following = 0;
  while (following < 5 && IsDigitOrFnc1(text[1 + following]))
    ++following;
  if (following == 5)
    return true;
  return following >= 3 && text[1 + following] == '\0';
}

enum class Iso646LookAhead { kStay, kNumeric, kAlphanumeric };

struct Iso646Window {
  Iso646LookAhead choice = Iso646LookAhead::kStay;
  bool throughFnc1 = false;  // the run that chose alphanumeric goes on through FNC1
};

// At an alphanumeric-class character in ISO/IEC 646 mode, looks up to nine characters ahead to
// decide whether the cheaper numeric or alphanumeric mode pays off. FNC1, which every mode
// encodes alike, counts as a digit.
Iso646Window LookAheadFromIso646(const char* text) {
  // Positive: the length of the digit run so far; negative: a run of that many leading digits
  // ended by a non-digit.
  int counter = IsDigit(text[0]) ? 1 : 0;
  const auto worthNumeric = [&counter] { return counter >= 4 || counter <= -4; };
  bool throughFnc1 = false;
  for (int i = 1; i <= 9; ++i) {
    const char c = text[i];
    if (c == '\0') {
      if (worthNumeric())
        return {Iso646LookAhead::kNumeric};
      if (i >= 5)
        return {Iso646LookAhead::kAlphanumeric, throughFnc1};
      return {Iso646LookAhead::kStay};
    }
    if (!HasClass(c, kAlphanumericClass) && c != kFnc1)
      return {Iso646LookAhead::kStay};
    throughFnc1 = throughFnc1 || c == kFnc1;
    if (counter > 0)
      counter = IsDigitOrFnc1(c) ? counter + 1 : -counter;
  }
  if (worthNumeric())
    return {Iso646LookAhead::kNumeric};
  return {Iso646LookAhead::kAlphanumeric, throughFnc1};
}

// What a latch from ISO/IEC 646 to alphanumeric does when the run that asks for it goes on
// through FNC1. FNC1 returns both modes to numeric, so only the characters before it can pay for
// the latch: the latch may cost bits, or save them.
enum class Fnc1RunRule {
  kLatch,    // latch, as for any run
  kStay,     // stay in ISO/IEC 646 up to FNC1
  kCheaper,  // encode both ways to where they meet and latch unless that costs more
};

int EncodeIso646With(CompositeEncodeState& state, Fnc1RunRule rule);

// Encodes one unit in `mode` and returns the mode for the next.
int NextMode(CompositeEncodeState& state, int mode, Fnc1RunRule rule) {
  switch (mode) {
    case kNumericMode:
      return EncodeNumeric(state);
    case kAlphanumericMode:
      return EncodeAlphanumeric(state);
    case kIso646Mode:
      return EncodeIso646With(state, rule);
  }
  return state.Fail(databar::kInternalOverflow);
}

int WriteAlphanumericCharacter(CompositeEncodeState& state, char c) {
  if (c == kFnc1) {
    state.Write(5, 15);
    return kNumericMode;
  }
  if (c == kSeparatorCharacter) {
    state.Write(6, 63);
    return kNumericMode;
  }
  if (IsDigit(c)) {
    state.Write(5, c - '0' + 5);
  } else if (IsUpper(c)) {
    state.Write(6, c - 33);
  } else if (c == '*') {
    state.Write(6, 58);
  } else {  // , - . /
    state.Write(6, c + 15);
  }
  return kAlphanumericMode;
}

int WriteIso646Character(CompositeEncodeState& state, char c) {
  if (c == kFnc1) {
    state.Write(5, 15);
    return kNumericMode;
  }
  if (c == kSeparatorCharacter) {
    state.Write(8, 253);
    return kNumericMode;
  }
  if (IsDigit(c)) {
    state.Write(5, c - '0' + 5);
  } else if (IsUpper(c)) {
    state.Write(7, c - 1);
  } else if (c >= 'a' && c <= 'z') {
    state.Write(7, c - 7);
  } else if (c == '!' || c == '"') {
    state.Write(8, c + 199);
  } else if (c >= '%' && c <= '/') {
    state.Write(8, c + 197);
  } else if (c >= ':' && c <= '?') {
    state.Write(8, c + 187);
  } else if (c == '_') {
    state.Write(8, 251);
  } else if (c == ' ') {
    state.Write(8, 252);
  } else {
    // Validated text never gets here; stop rather than loop on a character that has no code.
    return state.Fail(databar::kInvalidData);
  }
  return kIso646Mode;
}

// Encodes on from an ISO/IEC 646 character both ways, latched to alphanumeric and staying, until
// the two reach the same character in the same mode (FNC1 brings both to numeric) or the end of
// the data. True when the latched way has then written more bits.
bool LatchCostsMore(const CompositeEncodeState& state) {
  BitBuffer scratch{};
  CompositeEncodeState latched(state, scratch);
  CompositeEncodeState stayed(state, scratch);
  LatchBetweenAlphanumericAndIso646(latched);
  latched.mode = kAlphanumericMode;
  ++stayed.position;
  stayed.mode = WriteIso646Character(stayed, state.Current());
  while (latched.position != stayed.position || latched.mode != stayed.mode) {
    const bool latchedBehind = stayed.mode == kDoneMode ||
                               (latched.mode != kDoneMode && latched.position <= stayed.position);
    if (latchedBehind)
      latched.mode = NextMode(latched, latched.mode, Fnc1RunRule::kLatch);
    else
      stayed.mode = NextMode(stayed, stayed.mode, Fnc1RunRule::kStay);
  }
  return latched.bitPosition > stayed.bitPosition;
}

// Whether to stay in ISO/IEC 646 up to the FNC1 that the run goes on through. Staying where the
// latch costs more is a shorter choice than the standard procedure's, which latches.
bool StayBeforeFnc1(CompositeEncodeState& state, Fnc1RunRule rule) {
  switch (rule) {
    case Fnc1RunRule::kLatch:
      return false;
    case Fnc1RunRule::kStay:
      return true;
    case Fnc1RunRule::kCheaper:
      break;
  }
  const bool stay = LatchCostsMore(state);
  state.madeShorterChoice = state.madeShorterChoice || stay;
  return stay;
}

int EncodeIso646With(CompositeEncodeState& state, Fnc1RunRule rule) {
  if (state.AtEnd())
    return kDoneMode;
  const char c = state.Current();
  if (HasClass(c, kAlphanumericClass)) {
    const Iso646Window window = LookAheadFromIso646(state.text + state.position);
    switch (window.choice) {
      case Iso646LookAhead::kNumeric:
        LatchToNumeric(state);
        return kNumericMode;
      case Iso646LookAhead::kAlphanumeric:
        if (window.throughFnc1 && StayBeforeFnc1(state, rule))
          break;
        LatchBetweenAlphanumericAndIso646(state);
        return kAlphanumericMode;
      case Iso646LookAhead::kStay:
        break;
    }
  }
  ++state.position;
  return WriteIso646Character(state, c);
}

Fnc1RunRule RuleOf(const CompositeEncodeState& state) {
  return state.standardChoicesOnly ? Fnc1RunRule::kLatch : Fnc1RunRule::kCheaper;
}

int ChooseFirstMode(CompositeEncodeState& state) {
  if (state.target.kind != TargetExpanded)
    return ChooseCompositeMethod(state);
  state.bitPosition = 1;  // bit 0 is the linkage flag
  return state.target.chooseExpandedMethod(state);
}

struct Encodation {
  int error = databar::kEncodeOk;
  int size = -1;
  bool madeShorterChoice = false;
  TextRewrite rewrite;
};

Encodation Encode(const EncodeTarget& target, char* text, BitBuffer& bits,
                  bool standardChoicesOnly) {
  CompositeEncodeState state(target, text, bits);
  state.standardChoicesOnly = standardChoicesOnly;
  const Fnc1RunRule rule = RuleOf(state);
  int mode = ChooseFirstMode(state);
  while (mode != kDoneMode && !state.Overflowed())
    mode = NextMode(state, mode, rule);
  Encodation result{state.error, -1, state.madeShorterChoice, state.rewrite};
  if (result.error != databar::kEncodeOk)
    return result;
  result.size = state.Overflowed() ? -1 : PadBits(state);
  if (result.size < 0)
    result.error = databar::kDataTooLong;
  else
    result.error = state.error;
  return result;
}

}  // namespace

void TextRewrite::Remove(char* text, int at, int count) {
  removedAt_ = at;
  removedCount_ = count;
  std::memcpy(removed_, text + at, count);
  std::memmove(text + at, text + at + count, std::strlen(text + at + count) + 1);
}

void TextRewrite::Undo(char* text) const {
  if (removedAt_ >= 0) {
    char* at = text + removedAt_;
    std::memmove(at + removedCount_, at, std::strlen(at) + 1);
    std::memcpy(at, removed_, removedCount_);
  }
  if (replacedAt_ >= 0)
    text[replacedAt_] = replaced_;
}

uint8_t ClassOf(char c) {
  return kClassTable[static_cast<unsigned char>(c)];
}

int FirstInvalidCharacter(const char* text) {
  for (int i = 0; text[i] != '\0'; ++i) {
    if (ClassOf(text[i]) == 0 && text[i] != kFnc1 && text[i] != kSeparatorCharacter)
      return i;
  }
  return -1;
}

int EncodeNumeric(CompositeEncodeState& state) {
  if (state.AtEnd()) {
    EndNumericData(state);
    return kDoneMode;
  }
  const char first = state.Current();
  if (!IsDigitOrFnc1(first)) {
    LatchNumericToAlphanumeric(state);
    return kAlphanumericMode;
  }
  const char second = state.text[state.position + 1];
  if (second == '\0' && IsDigit(first))
    return EncodeFinalDigit(state, first);
  if (!IsDigitOrFnc1(second) || (first == kFnc1 && second == kFnc1)) {
    // A digit or FNC1 followed by a non-digit or the end, or two FNC1s: the rest goes on in
    // alphanumeric mode.
    LatchNumericToAlphanumeric(state);
    return kAlphanumericMode;
  }
  state.Write(7, NumericValue(first) * 11 + NumericValue(second) + 8);
  state.position += 2;
  return kNumericMode;
}

int EncodeAlphanumeric(CompositeEncodeState& state) {
  if (state.AtEnd())
    return kDoneMode;
  const char c = state.Current();
  if (!HasClass(c, kAlphanumericClass) && c != kFnc1 && c != kSeparatorCharacter) {
    LatchBetweenAlphanumericAndIso646(state);
    return kIso646Mode;
  }
  const char* here = state.text + state.position;
  if (IsDigit(c) && DigitRunWorthNumeric(here)) {
    LatchToNumeric(state);
    return kNumericMode;
  }
  ++state.position;
  return WriteAlphanumericCharacter(state, c);
}

int EncodeIso646(CompositeEncodeState& state) {
  return EncodeIso646With(state, RuleOf(state));
}

int EncodeDataBits(const EncodeTarget& target, char* text, BitBuffer& bits, int& size,
                   EncodeChoices choices) {
  if (target.kind == TargetExpanded && target.chooseExpandedMethod == nullptr)
    return databar::kInternalOverflow;
  if (choices == EncodeChoices::kStandardProcedure) {
    const Encodation standard = Encode(target, text, bits, true);
    size = standard.size;
    return standard.error;
  }
  Encodation chosen = Encode(target, text, bits, false);
  // A shorter choice than the standard procedure's is kept only where it makes the symbol
  // smaller; otherwise the standard's encodation, which other encoders make too, is kept.
  if (chosen.error == databar::kEncodeOk && chosen.madeShorterChoice) {
    chosen.rewrite.Undo(text);
    BitBuffer standardBits = bits;  // with the linkage flag of an Expanded symbol
    const Encodation standard = Encode(target, text, standardBits, true);
    if (standard.error == databar::kEncodeOk && standard.size <= chosen.size) {
      bits = standardBits;
      chosen = standard;
    }
  }
  size = chosen.size;
  return chosen.error;
}

int PadBits(CompositeEncodeState& state) {
  int size = 0;
  int remaining = state.target.RemainingBits(state.bitPosition, size);
  if (remaining < 0)
    return -1;
  for (; remaining > 4; remaining -= 5)
    state.Write(5, kPadPattern);
  state.Write(remaining, kPadPattern >> (5 - remaining));
  return size;
}

}  // namespace composite
