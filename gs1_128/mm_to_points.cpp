#include "gs1_128/mm_to_points.h"

#include "host/suite_pointers.h"

namespace gs1_128 {

namespace {

constexpr host::Fixed kMillimetresPerInch = 1664614;
constexpr host::Fixed kPointsPerInch = 72 * host::kFixedOne;

}  // namespace

host::Fixed MmToPoints(double millimetres) {
  const host::Fixed inches =
      host::sFixedMath->FixedDiv(host::FixedFromReal(millimetres), kMillimetresPerInch);
  return host::sFixedMath->FixedMul(inches, kPointsPerInch);
}

}  // namespace gs1_128
