#include "composite/method_field.h"

#include "composite/ai90_method.h"

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
