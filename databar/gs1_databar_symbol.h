// The symbol object of one create action: EncodeDataBar takes the panel's request, converts its
// lengths to points, runs the encoder of the symbology into a record from the host's block
// allocator and computes the layout that the art builder draws from.
#pragma once

#include <cstddef>
#include <cstdint>

#include "databar/symbol_records.h"
#include "host/colour.h"
#include "host/error.h"
#include "host/fixed.h"
#include "host/handles.h"

namespace art {
class CGS1DataBarArt;
class CTextPathGS1DataBarArt;
}  // namespace art

namespace databar {

// The request's lengths in points.
struct SymbolDimensions {
  host::Real moduleWidth = 0;
  host::Real rowHeight = 0;          // the linear row (the upper row of the stacked forms)
  host::Real ccSeparatorHeight = 0;  // between the linear part and the 2D component
  host::Real ccRowHeight = 0;        // one row of the 2D component
  host::Real separatorHeight = 0;    // one separator row between linear rows
  host::Real secondRowHeight = 0;    // the lower row of the stacked forms
};

// Where and how large the art is, in points; vertical coordinates grow upward.
struct SymbolGeometry {
  host::Colour barColor;
  host::Real width = 0;   // the rows, or the text when that is wider
  host::Real height = 0;  // rows, separators, 2D component and the outline text band
  host::Real textUnit = 0;
  host::Real textHeight = 0;
  host::Real textGap = 0;      // between the text and the bars
  host::Real textAdvance = 0;  // one text character cell
  host::Real left = 0;         // left edge of the rows
  host::Real textLeft = 0;     // centre of the first text cell (outline text), else the left edge
  host::Real cursorY = 0;      // the bottom of the next band to draw
  host::Fixed originX = 0;     // the placement x
};

constexpr size_t kPrimaryTextLength = 300;
constexpr size_t kCompositeTextLength = 338;
constexpr int kFieldStringCount = 15;
// "(", an AI of up to 4 digits, ")" and up to 29 characters of data.
constexpr size_t kFieldStringLength = 35;

// The application-identifier field strings the Expanded panel passes.
using FieldString = char[kFieldStringLength + 1];

// What EncodeDataBar keeps of a request for the drawing that follows it.
struct DataBarRequest {
  char primaryText[kPrimaryTextLength + 1] = {};
  FieldString fieldStrings[kFieldStringCount] = {};  // kept from the last call that passed them
  // The 2D text as typed; after EncodeDataBar its human-readable form ('#' and '^' removed).
  char compositeText[kCompositeTextLength + 1] = {};
  // The 2D text for the encoder ('$', '(' and ')' removed, FNC1 added where the parentheses end a
  // field that needs it).
  char encoderCompositeText[kCompositeTextLength + 2] = {};
  int32_t checkDigit = 0;
  SymbolDimensions dimensions;
  int32_t segmentsPerRow = 0;
  bool showText = false;
  bool textAsFrame = false;
  bool fitText = false;
  bool showCompositeText = false;
  bool hasCompositeText = false;  // the 2D text is not empty
  DataBarLayout layout = DataBarLayout::kLinear;
  // In points: every bar is drawn this much narrower, half at each edge (see
  // SetBarWidthReduction).
  host::Real barWidthReduction = 0;
};

// GS1 DataBar Limited ends with 5 light modules after its right guard; the background covers
// them.
constexpr int32_t kLimitedTrailingSpaceModules = 5;

class CGS1DataBarSymbol {
 public:
  CGS1DataBarSymbol();
  ~CGS1DataBarSymbol();  // frees the record
  CGS1DataBarSymbol(const CGS1DataBarSymbol&) = delete;
  CGS1DataBarSymbol& operator=(const CGS1DataBarSymbol&) = delete;

  // Encodes one symbol, replacing the previous record. Lengths are in millimetres, the placement
  // in host fixed point. fields is null or 15 field strings. textAsOutlines is accepted for the
  // caller's symmetry and not used here.
  //
  // Returns 0 on success. Otherwise no record is kept and nothing may be drawn: 1 for data the
  // encoder refuses (also a text longer than its buffer), 2 or 3 for a 2D component that is too
  // long or overflows, or the host's error code when the record could not be allocated.
  int32_t EncodeDataBar(int32_t type, const char* primary, const FieldString* fields,
                        const char* composite, double moduleWidth, double rowHeight,
                        double ccSeparatorHeight, double ccRowHeight, double separatorHeight,
                        double secondRowHeight, int32_t segmentsPerRow, int32_t showText,
                        int32_t textAsOutlines, int32_t fitText, int32_t textAsFrame,
                        int32_t showCompositeText, host::Fixed placeX, host::Fixed placeY);

  // Bar width reduction in millimetres, for printing that spreads ink: every dark element of
  // every row is drawn that much narrower, half at each edge, so that it keeps its centre and the
  // symbol its width. Kept across EncodeDataBar; the caller keeps it below the module width.
  void SetBarWidthReduction(double millimetres);

  bool hasRecord() const { return record_ != nullptr; }
  // The record of the current layout (LinearSymbol for Linear and LimitedLinear); only while
  // hasRecord().
  template <typename Record>
  const Record& record() const {
    return *static_cast<const Record*>(record_);
  }
  const DataBarRequest& request() const { return request_; }
  const SymbolGeometry& geometry() const { return geometry_; }

  // Drawing into the art target (defined with the bar art builder). Each band moves cursorY up.
  // Without a record nothing is drawn. Each returns 0, or the code of the first host call that
  // failed: the drawing stops there, what was drawn before it stays, and no unfinished
  // rectangle is left.
  host::ErrorCode DrawBackground(art::CGS1DataBarArt target);
  host::ErrorCode DrawSymbol(art::CGS1DataBarArt target);
  host::ErrorCode DrawLinear(art::CGS1DataBarArt target);
  host::ErrorCode DrawStacked(art::CGS1DataBarArt target);
  host::ErrorCode DrawStackedOmni(art::CGS1DataBarArt target);
  host::ErrorCode DrawExpanded(art::CGS1DataBarArt target);
  host::ErrorCode DrawComposite(art::CGS1DataBarArt target, const ElementWidth* separator,
                                int32_t separatorLength, const CompositeRowBuffer& ccRows,
                                int32_t ccRowLength, int32_t ccRowCount);

  // The human-readable text (defined with the text art); nothing without a record. The text
  // frames are "MS-Gothic" 8 pt point text on top inside the group, each moving cursorY up by its
  // measured height; they throw ATE::Exception with the host's code when a frame cannot be made.
  // The "(01)" item line with its check digit as a text frame, when the text is shown.
  void DrawItemText(host::ArtHandle group);
  // The Expanded field strings as text frames, the last one lowest, when the text is shown.
  void DrawElementStrings(host::ArtHandle group);
  // The 2D text's lines ('$' breaks them) as text frames above the component, when the 2D text
  // is shown.
  void DrawCompositeText(host::ArtHandle group);
  // The item line as outline glyphs in the text band under the bars, when the text is shown.
  // Returns 0 or the code of the first host call that failed; the glyphs before it stay.
  host::ErrorCode DrawItemOutlines(art::CTextPathGS1DataBarArt target);

 private:
  bool CopyRequestTexts(const char* primary, const FieldString* fields, const char* composite);
  void FilterCompositeText();
  DataBarSource MakeSource() const;
  int32_t EncodeRecord(const DataBarSource& source);
  template <typename Record>
  int32_t EncodeInto(int32_t (*encoder)(const DataBarSource&, Record&),
                     const DataBarSource& source);
  void FreeRecord();
  void ComputeLayout(host::Fixed placeX, host::Fixed placeY);
  void ReserveTextBand(int32_t modules, int32_t leading, int32_t trailing);
  void CoverLimitedTrailingSpace(int32_t modules);

  // One row of elements from the left edge, bars only, height h; moves cursorY to its top.
  host::ErrorCode DrawRow(art::CGS1DataBarArt& target, const ElementWidth* widths, int32_t count,
                          host::Real height);

  DataBarRequest request_;
  SymbolGeometry geometry_;
  void* record_ = nullptr;
};

}  // namespace databar
