#include "gs1_128/medical128_symbol.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "art/text_line.h"
#include "gs1_128/mm_to_points.h"
#include "host/colour.h"
#include "host/suite_pointers.h"

namespace gs1_128 {

namespace {

// Positions saturate at the ends of the fixed range instead of wrapping around.
host::Fixed AddFixed(host::Fixed a, host::Fixed b) {
  return static_cast<host::Fixed>(std::clamp<int64_t>(static_cast<int64_t>(a) + b,
                                                      std::numeric_limits<host::Fixed>::min(),
                                                      std::numeric_limits<host::Fixed>::max()));
}

}  // namespace

bool CMedical128Symbol::SetElements(std::string_view gtin, std::string_view expiry,
                                    std::string_view quantity, std::string_view lot,
                                    int32_t lotCodeSet) {
  return StoreElements(elements_, gtin, expiry, quantity, lot, lotCodeSet);
}

void CMedical128Symbol::SetDimensions(double narrowWidth, double barHeight) {
  narrowWidth_ = narrowWidth;
  barHeight_ = barHeight;
}

// Converted in double precision and then truncated to the fixed-point unit: MmToPoints divides
// before it multiplies, which for a length this small would lose nearly 1 %.
void CMedical128Symbol::SetBarWidthReduction(double millimetres) {
  reductionHalf_ = host::FixedFromReal(millimetres * 72.0 / 25.4) / 2;
}

host::ErrorCode CMedical128Symbol::DrawMedical128(CMedical128Art& target, host::Fixed x,
                                                  host::Fixed y, std::string_view text) {
  if (text.size() > kMaxTextLength) {
    return kTextTooLong;
  }
  char buffer[kMaxTextLength + 1];
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';

  if (const host::ErrorCode error = DrawSymbol(target, x, y)) {
    return error;
  }
  CTextPathMedical128Art textTarget(target.group());
  const host::Fixed baseline = AddFixed(y, -MmToPoints(kTextGap + kTextDrop));
  const host::Fixed left = AddFixed(x, TextOffset());
  DrawHumanReadable(textTarget, left, baseline, buffer);
  return host::kNoError;
}

host::ErrorCode CMedical128Symbol::DrawSymbol(CMedical128Art& target, host::Fixed x,
                                              host::Fixed y) {
  target_ = &target;
  x_ = x;
  y_ = y;
  drawError_ = host::kNoError;
  DrawQuietZone(Side::kLeft);
  gs1_128::EncodeSymbol(elements_, *this);
  DrawQuietZone(Side::kRight);
  target_ = nullptr;
  return drawError_;
}

void CMedical128Symbol::Put(int16_t, const char* widths) {
  DrawPattern(widths);
}

void CMedical128Symbol::DrawPattern(const char* widths) {
  bool isBar = true;
  for (; *widths != '\0'; ++widths) {
    DrawElement(*widths - '0', isBar);
    isBar = !isBar;
  }
}

// A bar loses half the reduction at each edge, a space gains it, so they still meet.
void CMedical128Symbol::DrawElement(int modules, bool isBar) {
  const host::Fixed growth = isBar ? -reductionHalf_ : reductionHalf_;
  DrawRectangle(host::sFixedMath->FixedMul(MmToPoints(narrowWidth_), host::FixedFromInt(modules)),
                host::GreyColour(isBar ? 1.0f : 0.0f), growth, growth);
}

// A quiet zone grows only on the side of the bars: the symbol's outer edges stay.
void CMedical128Symbol::DrawQuietZone(Side side) {
  DrawRectangle(QuietZoneWidth(), host::GreyColour(0.0f), side == Side::kRight ? reductionHalf_ : 0,
                side == Side::kLeft ? reductionHalf_ : 0);
}

bool CMedical128Symbol::HasTenModuleQuietZones() const {
  return 10 * narrowWidth_ > kQuietZoneWidth;
}

// Ten modules are measured as a bar of ten modules would be.
host::Fixed CMedical128Symbol::QuietZoneWidth() const {
  if (HasTenModuleQuietZones()) {
    return host::sFixedMath->FixedMul(MmToPoints(narrowWidth_), host::FixedFromInt(10));
  }
  return MmToPoints(kQuietZoneWidth);
}

// With 2.2 mm quiet zones the two lengths are added in millimetres before the conversion.
host::Fixed CMedical128Symbol::TextOffset() const {
  if (HasTenModuleQuietZones()) {
    return AddFixed(QuietZoneWidth(), MmToPoints(kTextIndent / 2));
  }
  return MmToPoints(kTextIndent / 2 + kQuietZoneWidth);
}

void CMedical128Symbol::DrawRectangle(host::Fixed width, const host::Colour& colour,
                                      host::Fixed leftGrowth, host::Fixed rightGrowth) {
  if (drawError_ != host::kNoError) {
    return;
  }
  const host::Fixed right = AddFixed(x_, width);
  drawError_ = target_->AddRectangle(AddFixed(x_, -leftGrowth), y_, AddFixed(right, rightGrowth),
                                     AddFixed(y_, MmToPoints(barHeight_)), colour);
  x_ = right;
}

void CMedical128Symbol::DrawHumanReadable(CTextPathMedical128Art& target, host::Fixed x,
                                          host::Fixed y, const char* text) {
  art::MakeTextLine(target.group(), x, y, text, art::kMedical128TextBufferBytes);
}

}  // namespace gs1_128
