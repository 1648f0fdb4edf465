// The general-purpose encodation that turns an element string into the padded bit string of a
// composite component or of a DataBar Expanded symbol: which characters each mode can carry, the
// state of one run, the numeric, alphanumeric and ISO/IEC 646 modes with the latches between
// them, and the padding to the size the target chooses. The method fields that come first live
// beside it (method_field, expanded_method); the sizes in encode_target.
//
// The text holds application identifiers and their data without parentheses; '#' stands for
// FNC1 and '^' for the separator character. It must be writable: the date and AI 90 methods
// rewrite characters in place, never beyond the terminating NUL.
//
// Every function here returns its error code (databar::EncodeErrorCode) or records it in the
// state; the encoder entry points alone set databar::EncodeError.
#pragma once

#include <cstdint>

#include "composite/bit_buffer.h"
#include "composite/encode_target.h"
#include "core/encode_error.h"

namespace composite {

// Which modes can carry each byte of an element string. '#' (FNC1) and '^' (the separator
// character) belong to no class: every mode handles them itself.
enum CharacterClass : uint8_t {
  kNumericClass = 1,
  kAlphanumericClass = 4,
  kIso646Class = 8,
  kEndOfTextClass = 128,
};

constexpr char kFnc1 = '#';
constexpr char kSeparatorCharacter = '^';

uint8_t ClassOf(char c);

inline bool HasClass(char c, CharacterClass cls) {
  return (ClassOf(c) & cls) != 0;
}
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}

// The index of the first character up to the terminating NUL that no mode can encode, or -1.
int FirstInvalidCharacter(const char* text);

// kEncodeOk when every character can be encoded, otherwise kInvalidData.
inline int ValidateData(const char* text) {
  return FirstInvalidCharacter(text) < 0 ? databar::kEncodeOk : databar::kInvalidData;
}

enum EncodeMode : int {
  kNumericMode = 1,
  kAlphanumericMode = 2,
  kIso646Mode = 3,
  kAi90LettersMode = 4,  // upper-case letters and digits, only inside the AI 90 data
  kDoneMode = 5,
};

// The AI whose digits follow FNC1 after the AI 90 data and are implied by the method field.
enum OtherAi : int {
  kNoOtherAi = 0,
  kAi21Follows = 1,
  kAi8004Follows = 2,
};

// What the method fields rewrote in the text (one character replaced, up to four removed), so
// that the text can be put back as it was and encoded again.
class TextRewrite {
 public:
  void Replace(char* text, int at, char c) {
    replacedAt_ = at;
    replaced_ = text[at];
    text[at] = c;
  }
  void Remove(char* text, int at, int count);
  void Undo(char* text) const;

 private:
  int replacedAt_ = -1;
  char replaced_ = 0;
  int removedAt_ = -1;
  int removedCount_ = 0;
  char removed_[4] = {};
};

// The state of one run: where it is in the text and in the bit string, the current mode, what
// the AI 90 method has read, what the method fields rewrote, and the first error met.
struct CompositeEncodeState {
  CompositeEncodeState(const EncodeTarget& target, char* text, BitBuffer& bits)
      : target(target), text(text), bits(bits) {}
  // A copy of `other` that writes into `scratch`: for trying an encoding without keeping it.
  CompositeEncodeState(const CompositeEncodeState& other, BitBuffer& scratch)
      : target(other.target),
        text(other.text),
        position(other.position),
        bits(scratch),
        bitPosition(other.bitPosition),
        mode(other.mode),
        otherAi(other.otherAi),
        ai90Number(other.ai90Number),
        ai90Letter(other.ai90Letter),
        rewrite(other.rewrite),
        error(other.error),
        standardChoicesOnly(other.standardChoicesOnly),
        madeShorterChoice(other.madeShorterChoice) {}

  const EncodeTarget& target;
  char* text;  // NUL-terminated; the date and AI 90 methods rewrite characters in place
  int position = 0;
  BitBuffer& bits;
  int bitPosition = 0;
  int mode = kNumericMode;
  int otherAi = kNoOtherAi;
  int ai90Number = -1;
  char ai90Letter = 0;
  TextRewrite rewrite;
  int error = databar::kEncodeOk;
  // Make the standard procedure's choice at every point, or where another choice writes fewer
  // bits, that one (and note that it was made).
  bool standardChoicesOnly = false;
  bool madeShorterChoice = false;

  char Current() const { return text[position]; }
  bool AtEnd() const { return text[position] == '\0'; }

  // Appends `count` bits. Bits beyond the buffer are not stored but still counted, so that data
  // too long for every size is reported as such when the string is padded.
  void Write(int count, int value) {
    if (count <= 0)
      return;
    if (bitPosition + count <= kBitCapacity) {
      if (const int failed = PutBits(bits, bitPosition, count, value))
        Fail(failed);
    }
    bitPosition += count;
  }

  // Keeps the first error; the run then ends.
  int Fail(int code) {
    if (error == databar::kEncodeOk)
      error = code;
    return kDoneMode;
  }

  // Bits still to fill in the smallest size that holds what is written so far, or -1.
  int RemainingBits() const {
    int size = 0;
    return target.RemainingBits(bitPosition, size);
  }

  // True once more bits were counted than any size can hold.
  bool Overflowed() const { return bitPosition > kBitCapacity; }
};

// The general-purpose modes. Each call encodes one unit at the state's position (a digit pair,
// a character, a latch to another mode or the end of the data) and returns the mode for the
// next unit.
int EncodeNumeric(CompositeEncodeState& state);
int EncodeAlphanumeric(CompositeEncodeState& state);
int EncodeIso646(CompositeEncodeState& state);

// Which choices of mode the encodation makes: the standard procedure's at every point, or, where
// a shorter choice makes the symbol smaller, that one.
enum class EncodeChoices { kSmallestSymbol, kStandardProcedure };

// Runs the method field (the composite one, or the target's Expanded one after the linkage bit
// that the caller has written at bit 0), the general-purpose modes and the padding. Returns
// kEncodeOk with `size` set to the size result of PadBits; kDataTooLong when the data fits no
// size (the bits then hold what was written, as far as the buffer goes); kInternalOverflow when
// the encodation failed.
int EncodeDataBits(const EncodeTarget& target, char* text, BitBuffer& bits, int& size,
                   EncodeChoices choices = EncodeChoices::kSmallestSymbol);

// Pads the bit string to the smallest size that holds it; returns the size result of the
// target's RemainingBits, or -1.
int PadBits(CompositeEncodeState& state);

}  // namespace composite
