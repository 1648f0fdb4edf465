#include "emulator/svg_number.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace emulator {

namespace {

constexpr int kDigits = 9;
constexpr uint64_t kLowestNine = 100'000'000;  // the smallest number of nine digits
constexpr uint64_t kPowersOfTen[] = {1,
                                     10,
                                     100,
                                     1'000,
                                     10'000,
                                     100'000,
                                     1'000'000,
                                     10'000'000,
                                     100'000'000,
                                     1'000'000'000,
                                     10'000'000'000,
                                     100'000'000'000,
                                     1'000'000'000'000};

#if defined(__SIZEOF_INT128__)

// 10^-4 to 10^9: kDoublePowersOfTen[e + 4] is 10^e.
constexpr double kDoublePowersOfTen[] = {1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2,
                                         1e3,  1e4,  1e5,  1e6,  1e7, 1e8, 1e9};

// The value times 10^k, rounded to an integer half to even, computed exactly from the value's
// binary digits: value = mantissa * 2^-shift.
uint64_t ScaledRounded(uint64_t mantissa, int shift, int k) {
  const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * kPowersOfTen[k];
  uint64_t quotient = static_cast<uint64_t>(product >> shift);
  const unsigned __int128 remainder = product - (static_cast<unsigned __int128>(quotient) << shift);
  const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
  if (remainder > half || (remainder == half && (quotient & 1) != 0))
    ++quotient;
  return quotient;
}

// The nine significant digits and the decimal exponent of a positive value in [1e-4, 1e9) once
// rounded, when it stays in the range where "%.9g" writes plain decimals; false otherwise.
bool RoundToNineDigits(double value, uint64_t& digits, int& exponent) {
  // value = mantissa * 2^-shift, exactly; the range keeps it a normal number.
  const auto bits = std::bit_cast<uint64_t>(value);
  const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
  const int shift = 1075 - static_cast<int>(bits >> 52);
  if (shift < 1 || shift > 100)
    return false;
  // floor(log10(2^(e-1))) with e the power of two above the value: the decimal exponent or
  // one below it, which the powers of ten settle (they are inexact below 1, so the digits may
  // still show it one off). Rounding may also carry into a tenth digit.
  exponent = ((52 - shift) * 78913) >> 18;
  if (exponent >= -5 && exponent < kDigits && value >= kDoublePowersOfTen[exponent + 5])
    ++exponent;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (exponent < -4 || exponent >= kDigits)
      return false;
    digits = ScaledRounded(mantissa, shift, kDigits - 1 - exponent);
    if (digits >= 10 * kLowestNine) {
      ++exponent;
    } else if (digits < kLowestNine) {
      --exponent;
    } else {
      return true;
    }
  }
  return false;
}

#endif

// Whether the value is written by the exact integer route above; the others, and every value
// where the compiler has no 128-bit integers, go through the standard library.
bool RoundsExactly(double value, uint64_t& digits, int& exponent) {
#if defined(__SIZEOF_INT128__)
  const double magnitude = std::fabs(value);
  return magnitude >= 1e-4 && magnitude < 1e9 && RoundToNineDigits(magnitude, digits, exponent);
#else
  (void)value;
  (void)digits;
  (void)exponent;
  return false;
#endif
}

}  // namespace

char* WriteNumber(char* out, double value) {
  uint64_t digits = 0;
  int exponent = 0;
  if (!RoundsExactly(value, digits, exponent)) {
    return std::to_chars(out, out + kMostNumberCharacters, value, std::chars_format::general,
                         kDigits)
        .ptr;
  }
  // Two digits at a time: the last eight as four pairs, then the first.
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char digitText[kDigits];
  for (int i = kDigits - 2; i > 0; i -= 2) {
    std::copy_n(kPairs + 2 * (digits % 100), 2, digitText + i);
    digits /= 100;
  }
  digitText[0] = static_cast<char>('0' + digits);
  int significant = kDigits;
  while (significant > 1 && digitText[significant - 1] == '0')
    --significant;

  if (value < 0)
    *out++ = '-';
  if (exponent >= 0) {
    const int whole = exponent + 1;
    out = std::copy_n(digitText, whole, out);
    if (significant > whole) {
      *out++ = '.';
      out = std::copy(digitText + whole, digitText + significant, out);
    }
  } else {
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -exponent - 1, '0');
    out = std::copy_n(digitText, significant, out);
  }
  return out;
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
