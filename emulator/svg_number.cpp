#include "emulator/svg_number.h"

#include <bit>
#include <charconv>
#include <cstring>

namespace emulator {

char* WriteNumber(char* out, double value) {
  const auto single = static_cast<float>(value);
  if (static_cast<double>(single) == value)
    return std::to_chars(out, out + kMostNumberCharacters, single).ptr;
  return std::to_chars(out, out + kMostNumberCharacters, value).ptr;
}

void AppendNumber(std::string& text, double value) {
  char buffer[kMostNumberCharacters];
  text.append(buffer, static_cast<size_t>(WriteNumber(buffer, value) - buffer));
}

char* NumberWriter::Write(char* out, double value) {
  const auto bits = std::bit_cast<uint64_t>(value);
  Written& slot = recent_[(bits * 0x9E3779B97F4A7C15u) >> (64 - kSlotBits)];
  if (slot.length == 0 || slot.bits != bits) {
    char* end = WriteNumber(out, value);
    slot.bits = bits;
    slot.length = static_cast<uint8_t>(end - out);
    std::memcpy(slot.text, out, kMostNumberCharacters);
    return end;
  }
  // The whole slot, whatever the number's length: a copy of fixed size costs less.
  std::memcpy(out, slot.text, kMostNumberCharacters);
  return out + slot.length;
}

}  // namespace emulator
