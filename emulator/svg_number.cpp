#include "emulator/svg_number.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace emulator {

namespace {

constexpr double kPowersOfTen[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
constexpr int kMostFastDecimals = 6;

// The shortest text of a single-precision value with at most six decimals, in plain notation, or
// null where the value has no such text or std::to_chars would choose scientific notation
// (below 0.001, and whole numbers from 100000 up, where "1e+05" is shorter). Page coordinates
// nearly all have one, and this finds it in a fraction of the general search's time: the first
// number of decimals whose nearest decimal lies within the value's rounding interval is the
// shortest text, and that nearest decimal is the one std::to_chars picks among texts of that
// length. Decimals on the interval's edge, or halfway between two candidates, are left to the
// general search.
char* WriteShortSingle(char* out, float single) {
  const double magnitude = std::fabs(static_cast<double>(single));
  if (!(magnitude >= 1e-3 && magnitude < 1e7))
    return nullptr;
  // Half the distance to the neighbouring singles: 2^(exponent - 24) for a normal single; a
  // power of two is nearer its neighbour below.
  const uint32_t bits = std::bit_cast<uint32_t>(single) & 0x7FFFFFFFu;
  const auto exponent = static_cast<uint64_t>(bits >> 23);
  const double halfGap = std::bit_cast<double>((exponent - 151 + 1023) << 52);
  const bool powerOfTwo = (bits & 0x7FFFFFu) == 0;
  for (int decimals = 0; decimals <= kMostFastDecimals; ++decimals) {
    // Exact, and so is each difference below: 24 significant bits times 10^6 fit in 53.
    const double scaled = magnitude * kPowersOfTen[decimals];
    auto digits = static_cast<uint64_t>(scaled);
    double distance = scaled - static_cast<double>(digits);
    if (distance == 0.5)
      return nullptr;
    const bool below = distance < 0.5;  // the nearest decimal lies below the value
    if (!below) {
      ++digits;
      distance = 1 - distance;
    }
    const double reach = halfGap * kPowersOfTen[decimals] * (below && powerOfTwo ? 0.5 : 1);
    if (distance == reach)
      return nullptr;
    if (distance > reach)
      continue;
    if (decimals == 0 && magnitude >= 1e5)
      return nullptr;
    char text[24];
    char* textEnd = std::to_chars(text, text + sizeof text, digits).ptr;
    const auto length = static_cast<int>(textEnd - text);
    if (std::signbit(single))
      *out++ = '-';
    if (length <= decimals) {  // below 1: "0." and the zeros after the point
      *out++ = '0';
      *out++ = '.';
      out = std::fill_n(out, decimals - length, '0');
      return std::copy(text, textEnd, out);
    }
    out = std::copy(text, textEnd - decimals, out);
    if (decimals > 0) {
      *out++ = '.';
      out = std::copy(textEnd - decimals, textEnd, out);
    }
    return out;
  }
  return nullptr;
}

}  // namespace

char* WriteNumber(char* out, double value) {
  const auto single = static_cast<float>(value);
  if (static_cast<double>(single) == value) {
    if (char* end = WriteShortSingle(out, single))
      return end;
    return std::to_chars(out, out + kMostNumberCharacters, single).ptr;
  }
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
