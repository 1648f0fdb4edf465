// The state of one run of the general-purpose encodation: where it is in the text and in the bit
// string, the current mode, and what the AI 90 method has read.
#pragma once

#include "composite/bit_buffer.h"
#include "composite/encode_target.h"

namespace composite {

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

struct CompositeEncodeState {
  CompositeEncodeState(const EncodeTarget& target, char* text, BitBuffer& bits)
      : target(target), text(text), bits(bits) {}

  const EncodeTarget& target;
  char* text;  // NUL-terminated; the date and AI 90 methods rewrite characters in place
  int position = 0;
  BitBuffer& bits;
  int bitPosition = 0;
  int mode = kNumericMode;
  int otherAi = kNoOtherAi;
  int ai90Number = -1;
  char ai90Letter = 0;

  char Current() const { return text[position]; }
  bool AtEnd() const { return text[position] == '\0'; }

  // Appends `count` bits. Bits beyond the buffer are not stored but still counted, so that data
  // too long for every size is reported as such when the string is padded.
  void Write(int count, int value) {
    if (count <= 0)
      return;
    if (bitPosition + count <= kBitCapacity)
      PutBits(bits, bitPosition, count, value);
    bitPosition += count;
  }

  // Bits still to fill in the smallest size that holds what is written so far, or -1.
  int RemainingBits() const;

  // True once more bits were counted than any size can hold.
  bool Overflowed() const { return bitPosition > kBitCapacity; }
};

}  // namespace composite
