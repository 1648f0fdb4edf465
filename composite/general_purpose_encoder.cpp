#include "composite/general_purpose_encoder.h"

#include <algorithm>
#include <array>
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

// A single digit is left at the end of the data: it goes in 4 bits when that exactly fills the
// size (up to 2 spare bits are zeros), otherwise paired with FNC1.
int EncodeFinalDigit(CompositeEncodeState& state, char digit) {
  ++state.position;
  const int remaining = state.RemainingBits();
  if (remaining >= 4 && remaining <= 6) {
    state.Write(4, digit - '0' + 1);
    state.Write(remaining - 4, 0);
  } else {
    state.Write(7, (digit - '0') * 11 + kFnc1Value + 8);
    int spare = remaining - 7;
    if (spare > 4 || spare < 0)
      spare = 4;
    state.Write(spare, 0);
  }
  return kDoneMode;
}

// Whether an alphanumeric run should latch to numeric at a digit: four digits that end the data
// or six digits in a row.
bool DigitRunWorthNumeric(const char* text) {
  int following = 0;
  while (following < 5 && IsDigit(text[1 + following]))
    ++following;
  if (following == 5)
    return true;
  return following >= 3 && text[1 + following] == '\0';
}

enum class Iso646LookAhead { kStay, kNumeric, kAlphanumeric };

// At an alphanumeric-class character in ISO/IEC 646 mode, looks up to nine characters ahead to
// decide whether the cheaper numeric or alphanumeric mode pays off.
Iso646LookAhead LookAheadFromIso646(const char* text) {
  // Positive: the length of the digit run so far; negative: a run of that many leading digits
  // ended by a non-digit.
  int counter = IsDigit(text[0]) ? 1 : 0;
  const auto worthNumeric = [&counter] { return counter >= 4 || counter <= -4; };
  for (int i = 1; i <= 9; ++i) {
    const char c = text[i];
    if (c == '\0') {
      if (worthNumeric())
        return Iso646LookAhead::kNumeric;
      if (i >= 5)
        return Iso646LookAhead::kAlphanumeric;
      return Iso646LookAhead::kStay;
    }
    if (!HasClass(c, kAlphanumericClass))
      return Iso646LookAhead::kStay;
    if (counter > 0)
      counter = IsDigit(c) ? counter + 1 : -counter;
  }
  return worthNumeric() ? Iso646LookAhead::kNumeric : Iso646LookAhead::kAlphanumeric;
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

int ChooseFirstMode(CompositeEncodeState& state) {
  if (state.target.kind != TargetExpanded)
    return ChooseCompositeMethod(state);
  state.bitPosition = 1;  // bit 0 is the linkage flag
  return state.target.chooseExpandedMethod(state);
}

}  // namespace

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
    const int remaining = state.RemainingBits();
    if (remaining > 0)
      state.Write(std::min(remaining, 4), 0);
    return kDoneMode;
  }
  const char first = state.Current();
  if (first == kSeparatorCharacter || (!IsDigit(first) && first != kFnc1)) {
    LatchNumericToAlphanumeric(state);
    return kAlphanumericMode;
  }
  const char second = state.text[state.position + 1];
  if (second == '\0' && IsDigit(first))
    return EncodeFinalDigit(state, first);
  if (!IsDigit(second)) {
    // A digit or FNC1 followed by FNC1, a non-digit or the end: FNC1 and the rest go on in
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
  if (IsDigit(c) && here[1] != kFnc1 && DigitRunWorthNumeric(here)) {
    LatchToNumeric(state);
    return kNumericMode;
  }
  ++state.position;
  return WriteAlphanumericCharacter(state, c);
}

int EncodeIso646(CompositeEncodeState& state) {
  if (state.AtEnd())
    return kDoneMode;
  const char c = state.Current();
  if (HasClass(c, kAlphanumericClass)) {
    switch (LookAheadFromIso646(state.text + state.position)) {
      case Iso646LookAhead::kNumeric:
        LatchToNumeric(state);
        return kNumericMode;
      case Iso646LookAhead::kAlphanumeric:
        LatchBetweenAlphanumericAndIso646(state);
        return kAlphanumericMode;
      case Iso646LookAhead::kStay:
        break;
    }
  }
  ++state.position;
  return WriteIso646Character(state, c);
}

int EncodeDataBits(const EncodeTarget& target, char* text, BitBuffer& bits, int& size) {
  if (target.kind == TargetExpanded && target.chooseExpandedMethod == nullptr)
    return databar::kInternalOverflow;
  CompositeEncodeState state(target, text, bits);
  int mode = ChooseFirstMode(state);
  while (mode != kDoneMode && !state.Overflowed()) {
    switch (mode) {
      case kNumericMode:
        mode = EncodeNumeric(state);
        break;
      case kAlphanumericMode:
        mode = EncodeAlphanumeric(state);
        break;
      case kIso646Mode:
        mode = EncodeIso646(state);
        break;
      default:
        mode = state.Fail(databar::kInternalOverflow);
        break;
    }
  }
  if (state.error != databar::kEncodeOk)
    return state.error;
  size = state.Overflowed() ? -1 : PadBits(state);
  return size < 0 ? databar::kDataTooLong : state.error;
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
