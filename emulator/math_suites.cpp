// Real and fixed math. These cannot fail, so no failure is injected into them; their calls are
// still counted when an emulator is current.
#include <bit>
#include <cstdint>

#include "emulator/fixed_arithmetic.h"
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

void Count(OperationName operation) {
  if (Emulator* emulator = Emulator::Current()) {
    try {
      emulator->state().calls.Enter(operation);
    } catch (const std::bad_alloc&) {
      // The count is lost; the arithmetic does not depend on it.
    }
  }
}

host::Real ToReal(host::Fixed value) {
  return static_cast<host::Real>(value) / 65536.0f;
}

// The plug-in converts every point of a glyph outline here, having just stored the point's two
// coordinates one by one, and reads the result back whole. So each coordinate is read on its own
// and the result is stored whole: a read that spans two recent stores, or half of one, cannot be
// served from the store buffer and waits for the cache.
void FixedPointToRealPoint(const host::FixedPoint* in, host::RealPoint* out) {
  static_assert(std::endian::native == std::endian::little && sizeof(host::RealPoint) == 8);
  Count("RealMath.FixedPointToRealPoint");
  if (in == nullptr || out == nullptr)
    return;
  const auto h = std::bit_cast<uint32_t>(ToReal(in->h));
  const auto v = std::bit_cast<uint32_t>(ToReal(in->v));
  const uint64_t point = uint64_t{v} << 32 | h;
  *out = std::bit_cast<host::RealPoint>(point);
}

void RealPointToFixedPoint(const host::RealPoint* in, host::FixedPoint* out) {
  Count("RealMath.RealPointToFixedPoint");
  if (in == nullptr || out == nullptr)
    return;
  *out = {host::FixedFromReal(in->h), host::FixedFromReal(in->v)};
}

void FixedRectToRealRect(const host::FixedRect* in, host::RealRect* out) {
  Count("RealMath.FixedRectToRealRect");
  if (in == nullptr || out == nullptr)
    return;
  *out = {ToReal(in->left), ToReal(in->top), ToReal(in->right), ToReal(in->bottom)};
}

host::Fixed FixedAdd(host::Fixed a, host::Fixed b) {
  Count("FixedMath.FixedAdd");
  return SaturatingAdd(a, b);
}

host::Fixed FixedMul(host::Fixed a, host::Fixed b) {
  Count("FixedMath.FixedMul");
  return TruncatingMultiply(a, b);
}

host::Fixed FixedDiv(host::Fixed a, host::Fixed b) {
  Count("FixedMath.FixedDiv");
  return TruncatingDivide(a, b);
}

host::Real FixedToReal(host::Fixed a) {
  Count("FixedMath.FixedToReal");
  return ToReal(a);
}

host::Fixed RealToFixed(host::Real a) {
  Count("FixedMath.RealToFixed");
  return host::FixedFromReal(a);
}

}  // namespace

const host::RealMathSuite kRealMathSuite = {FixedPointToRealPoint, RealPointToFixedPoint,
                                            FixedRectToRealRect};
const host::FixedMathSuite kFixedMathSuite = {FixedAdd, FixedMul, FixedDiv, FixedToReal,
                                              RealToFixed};

}  // namespace emulator
