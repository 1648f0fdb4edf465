#include "emulator/estimated_extent.h"

namespace emulator {

namespace {

constexpr host::Real kAscent = 0.88f;
constexpr host::Real kDescent = 0.12f;

bool IsWide(char16_t unit) {
  return unit >= 0x1100 && !(unit >= 0xFF61 && unit <= 0xFF9F);
}
bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

TextExtent EstimatedExtent(std::u16string_view text, host::Real size) {
  host::Real ems = 0;
  for (const char16_t unit : text) {
    if (IsLowSurrogate(unit))
      continue;  // counted with its high surrogate
    ems += IsWide(unit) ? 1.0f : 0.5f;
  }
  return {kAscent * size, kDescent * size, ems * size};
}

}  // namespace emulator
