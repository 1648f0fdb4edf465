#include "composite/method_field.h"

#include <algorithm>
#include <cstring>

namespace composite {
namespace {

bool StartsWith(const char* text, const char* prefix) {
  for (; *prefix != '\0'; ++text, ++prefix) {
    if (*text != *prefix)
      return false;
  }
  return true;
}

bool HasAtLeast(const char* text, int count) {
  for (int i = 0; i < count; ++i) {
    if (text[i] == '\0')
      return false;
  }
  return true;
}

int TwoDigits(const char* text) {
  return (text[0] - '0') * 10 + (text[1] - '0');
}

bool IsDateAi(const char* text) {
  return text[0] == '1' && (text[1] == '1' || text[1] == '7');
}

// Method 10 with AI 11 or AI 17 first: the date in 16 bits and the AI in one bit. A lot number
// (AI 10) that follows is implied; without one, FNC1 takes the place of the date's last digit
// so that the general-purpose data starts by saying that no lot number follows.
void EncodeDate(CompositeEncodeState& state) {
  char* text = state.text;
  const int year = TwoDigits(text + 2);
  const int month = TwoDigits(text + 4);
  const int day = TwoDigits(text + 6);
  state.Write(16, year * 384 + (month - 1) * 32 + day);
  state.Write(1, text[1] == '7' ? 1 : 0);
  if (text[8] == '1' && text[9] == '0' && text[10] != kFnc1) {
    state.position = 10;
  } else {
    state.rewrite.Replace(text, 7, kFnc1);
    state.position = 7;
  }
}

void EncodeDateLotMethod(CompositeEncodeState& state) {
  state.Write(2, 0b10);
  if (StartsWith(state.text, "10")) {
    state.Write(2, 0b11);
    state.position = 2;
  } else {
    EncodeDate(state);
  }
}

// Method 11: AI 90 data that begins with up to three digits and an upper-case letter, with the
// option of AI 21 or AI 8004 following it.

// Letters that, with a number below 31, fit the short form of the number and letter field.
constexpr char kShortFormLetters[] = "BDHIJKLNPQRSTVWZ";
constexpr int kLongFormMarker = 31;

// What the scan of the AI 90 data finds.
struct Ai90Run {
  int firstNonDigit = -1;  // index in the text, -1 when the run is all digits
  int balance = 0;         // letters minus digits; very negative once any other character occurs
};

Ai90Run ScanAi90Run(const CompositeEncodeState& state) {
  Ai90Run run;
  for (int i = state.position;; ++i) {
    const char c = state.text[i];
    if (c == '\0' || c == kFnc1 || c == kSeparatorCharacter)
      break;
    if (!IsDigit(c) && run.firstNonDigit < 0)
      run.firstNonDigit = i;
    if (IsDigit(c)) {
      --run.balance;
    } else if (IsUpper(c)) {
      ++run.balance;
    } else {
      run.balance = -10000;
    }
  }
  return run;
}

// The AI after the FNC1 that ends the AI 90 data, when it is one the method can imply.
int FindOtherAi(const CompositeEncodeState& state) {
  const char* end = std::strpbrk(state.text + state.position, "#^");
  if (end == nullptr || *end != kFnc1)
    return kNoOtherAi;
  if (std::strncmp(end + 1, "21", 2) == 0)
    return kAi21Follows;
  if (std::strncmp(end + 1, "8004", 4) == 0)
    return kAi8004Follows;
  return kNoOtherAi;
}

int ImpliedAiLength(int otherAi) {
  switch (otherAi) {
    case kAi21Follows:
      return 2;
    case kAi8004Follows:
      return 4;
  }
  return 0;
}

// More letters than digits: letters-and-digits mode; all digits: numeric. Otherwise the standard
// procedure starts alphanumeric, but four or more leading digits are one or two bits shorter in
// numeric mode, which then latches once.
int ChooseRunMode(CompositeEncodeState& state, const Ai90Run& run) {
  if (run.balance > 0)
    return kAi90LettersMode;
  if (run.firstNonDigit < 0)
    return kNumericMode;
  if (run.firstNonDigit - state.position < 4 || state.standardChoicesOnly)
    return kAlphanumericMode;
  state.madeShorterChoice = true;
  return kNumericMode;
}

void WriteRunMode(CompositeEncodeState& state, int mode) {
  switch (mode) {
    case kAi90LettersMode:
      state.Write(2, 0b11);
      break;
    case kAlphanumericMode:
      state.Write(1, 0b0);
      break;
    default:
      state.Write(2, 0b10);
      break;
  }
}

// 0 for none, 10 for AI 21, 11 for AI 8004: a prefix code, so that a reader that sees 0 knows
// that the number field follows at once.
void WriteOtherAi(CompositeEncodeState& state) {
  switch (state.otherAi) {
    case kAi21Follows:
      state.Write(2, 0b10);
      break;
    case kAi8004Follows:
      state.Write(2, 0b11);
      break;
    default:
      state.Write(1, 0b0);
      break;
  }
}

void WriteNumberAndLetter(CompositeEncodeState& state) {
  const char* shortForm = std::strchr(kShortFormLetters, state.ai90Letter);
  if (state.ai90Number < kLongFormMarker && shortForm != nullptr) {
    state.Write(5, state.ai90Number);
    state.Write(4, static_cast<int>(shortForm - kShortFormLetters));
  } else {
    state.Write(5, kLongFormMarker);
    state.Write(10, state.ai90Number);
    state.Write(5, state.ai90Letter - 'A');
  }
}

// Upper-case letters in 5 bits and digits in 6; FNC1 or anything else returns to numeric mode.
int EncodeAi90Letters(CompositeEncodeState& state) {
  const char c = state.Current();
  if (IsUpper(c)) {
    state.Write(5, c - 'A');
    ++state.position;
    return kAi90LettersMode;
  }
  if (IsDigit(c)) {
    state.Write(6, c - '0' + 52);
    ++state.position;
    return kAi90LettersMode;
  }
  if (c == kFnc1) {
    state.Write(5, 0b11111);
    ++state.position;
    return kNumericMode;
  }
  // The end of the data or the separator character: not consumed.
  const int remaining = state.RemainingBits();
  const int ones = std::min(5, remaining);
  if (ones > 0)
    state.Write(ones, (1 << ones) - 1);
  return kNumericMode;
}

// The digits of the implied AI after the FNC1 that ends the AI 90 data are not encoded: they
// leave the text, so that the FNC1 pairs with, and the look-aheads see, the data that a reader
// finds after it.
void RemoveImpliedAi(CompositeEncodeState& state) {
  const int length = ImpliedAiLength(state.otherAi);
  if (length == 0)
    return;
  const char* fnc1 = std::strchr(state.text + state.position, kFnc1);
  state.rewrite.Remove(state.text, static_cast<int>(fnc1 + 1 - state.text), length);
}

bool Ai90RunEnded(const CompositeEncodeState& state) {
  const char* text = state.text;
  const int p = state.position;
  if (state.mode == kDoneMode)
    return true;
  if (text[p - 1] == kFnc1 || text[p - 1] == kSeparatorCharacter)
    return true;
  return text[p - 2] == kFnc1;  // a numeric pair that began with FNC1
}

void RunAi90(CompositeEncodeState& state) {
  while (!Ai90RunEnded(state) && !state.Overflowed()) {
    switch (state.mode) {
      case kNumericMode:
        state.mode = EncodeNumeric(state);
        break;
      case kAlphanumericMode:
        state.mode = EncodeAlphanumeric(state);
        break;
      case kIso646Mode:
        state.mode = EncodeIso646(state);
        break;
      case kAi90LettersMode:
        state.mode = EncodeAi90Letters(state);
        break;
      default:
        state.mode = state.Fail(databar::kInternalOverflow);
        return;
    }
  }
}

// The text begins with "90". Reads the number and letter that open the AI 90 data; on success
// the position is just after the letter.
bool Ai90Parse(CompositeEncodeState& state) {
  const char* text = state.text;
  state.ai90Number = -1;
  if (IsUpper(text[2])) {
    state.ai90Letter = text[2];
    state.ai90Number = 0;
    state.position = 3;
    return true;
  }
  // The number field holds a value, so digits with a leading zero (a number of 0 included)
  // could not be read back as written: such data goes general-purpose.
  if (text[2] == '0')
    return false;
  int number = 0;
  for (int k = 2; k <= 4 && IsDigit(text[k]); ++k) {
    number = number * 10 + (text[k] - '0');
    if (IsUpper(text[k + 1])) {
      state.ai90Number = number;
      state.ai90Letter = text[k + 1];
      state.position = k + 2;
      return true;
    }
  }
  return false;
}

// Method 11: writes the rest of the method field, removes the digits of an implied AI 21 or
// AI 8004 from the text, encodes the AI 90 data up to its FNC1 or separator character (or the
// end), and returns the mode the general-purpose encodation goes on in.
int EncodeAi90Method(CompositeEncodeState& state) {
  const Ai90Run run = ScanAi90Run(state);
  state.otherAi = FindOtherAi(state);
  state.mode = ChooseRunMode(state, run);
  WriteRunMode(state, state.mode);
  WriteOtherAi(state);
  WriteNumberAndLetter(state);
  RemoveImpliedAi(state);
  RunAi90(state);
  return state.mode;
}

}  // namespace

bool DateLotTest(const char* text) {
  if (HasAtLeast(text, 8) && IsDateAi(text)) {
    for (int i = 2; i < 8; ++i) {
      if (!IsDigit(text[i]))
        return false;
    }
    const int month = TwoDigits(text + 4);
    const int day = TwoDigits(text + 6);
    return month >= 1 && month <= 12 && day <= 31;
  }
  return StartsWith(text, "10");
}

int ChooseCompositeMethod(CompositeEncodeState& state) {
  if (DateLotTest(state.text)) {
    EncodeDateLotMethod(state);
    return kNumericMode;
  }
  if (StartsWith(state.text, "90") && Ai90Parse(state)) {
    state.Write(2, 0b11);
    return EncodeAi90Method(state);
  }
  state.position = 0;
  state.Write(1, 0);
  return kNumericMode;
}

}  // namespace composite
