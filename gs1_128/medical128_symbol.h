// One GS1-128 symbol for medical products, from its element strings to document art: bars,
// spaces and both quiet zones as filled rectangles in one group, the human-readable text as a
// point-text frame below the bars. Made for one create action and drawn once.
//
// gs1_128/'s main header. Beside it: the element strings and their capacity
// (medical128_elements.h), the symbol characters with the shortest lot encodation
// (symbol_characters.h, shortest_lot.h), the Code 128 values and the generated pattern table
// (symbol_values.h, code128_patterns.h), the art (medical128_art.h), the mod-10 check
// (mod10_check.h) and millimetres to points (mm_to_points.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gs1_128/medical128_art.h"
#include "gs1_128/medical128_elements.h"
#include "gs1_128/symbol_characters.h"
#include "host/error.h"
#include "host/fixed.h"

namespace gs1_128 {

class CMedical128Symbol : private SymbolCharacterSink {
 public:
  // Longest human-readable text DrawMedical128 accepts.
  static constexpr std::size_t kMaxTextLength = 57;

  // Fixed geometry in millimetres: the single-precision values of 2.2, 1.6, 2.338 and 1.492
  // widened to double, so that positions agree with the host's to the last fixed-point unit.
  static constexpr double kQuietZoneWidth = static_cast<double>(2.2f);
  static constexpr double kTextGap = static_cast<double>(1.6f);
  static constexpr double kTextDrop = static_cast<double>(2.338f);
  static constexpr double kTextIndent = static_cast<double>(1.492f);

  // See StoreElements: false, and nothing stored, for strings that do not fit or cannot be sent.
  bool SetElements(std::string_view gtin, std::string_view expiry, std::string_view quantity,
                   std::string_view lot, int32_t lotCodeSet);
  const Medical128Elements& elements() const { return elements_; }

  // Module width X and bar height, millimetres.
  void SetDimensions(double narrowWidth, double barHeight);
  // Bar width reduction in millimetres, for printing that spreads ink: every bar is drawn that
  // much narrower, half at each edge, and the spaces and quiet zones next to it as much wider, so
  // that every element keeps its centre and the symbol its width. The caller keeps it below X.
  void SetBarWidthReduction(double millimetres);

  // The symbol's characters from start to stop, without drawing.
  void EncodeSymbol(SymbolCharacterSink& sink) const { gs1_128::EncodeSymbol(elements_, sink); }

  // What DrawMedical128 returns, having drawn nothing, for a text longer than kMaxTextLength.
  static constexpr host::ErrorCode kTextTooLong = host::FourCharCode("TXT>");

  // Draws the symbol with its bottom-left corner (left edge of the left quiet zone, bottom of the
  // bars) at (x, y), then its text 3.938 mm below the bars, 0.746 mm right of the left quiet
  // zone's end (2.946 mm right of the left edge while the quiet zone is 2.2 mm).
  // Returns 0; kTextTooLong; or the code of the first host call that failed while drawing the
  // rectangles, which ends the drawing before the text, the rectangles before it staying. Throws
  // ATE::Exception when the host fails to make the text; the rectangles stay.
  host::ErrorCode DrawMedical128(CMedical128Art& target, host::Fixed x, host::Fixed y,
                                 std::string_view text);

  // Quiet zone, start C, FNC1, data, check character, stop, quiet zone, left to right from x.
  // Returns 0 or the code of the first host call that failed, after which nothing more is drawn.
  host::ErrorCode DrawSymbol(CMedical128Art& target, host::Fixed x, host::Fixed y);

 private:
  void Put(int16_t value, const char* widths) override;
  void DrawPattern(const char* widths);
  void DrawElement(int modules, bool isBar);
  enum class Side { kLeft, kRight };
  void DrawQuietZone(Side side);
  // Each quiet zone is 2.2 mm wide, or ten modules where those are wider.
  bool HasTenModuleQuietZones() const;
  host::Fixed QuietZoneWidth() const;
  // From the symbol's left edge to the start of its text.
  host::Fixed TextOffset() const;
  // One element from x to x + width, the height of the bars, drawn with its left and right edges
  // moved outward by the given lengths (inward for negative ones); x moves to the element's end.
  void DrawRectangle(host::Fixed width, const host::Colour& colour, host::Fixed leftGrowth,
                     host::Fixed rightGrowth);
  void DrawHumanReadable(CTextPathMedical128Art& target, host::Fixed x, host::Fixed y,
                         const char* text);

  Medical128Elements elements_;
  double narrowWidth_ = 0;
  double barHeight_ = 0;
  host::Fixed reductionHalf_ = 0;  // half the bar width reduction, points

  // Drawing position of DrawSymbol: x advances with every element, y stays at the bars' bottom.
  // The first host failure ends the drawing.
  CMedical128Art* target_ = nullptr;
  host::Fixed x_ = 0;
  host::Fixed y_ = 0;
  host::ErrorCode drawError_ = host::kNoError;
};

}  // namespace gs1_128
