// The symbol object of one create action (databar/'s main header): EncodeDataBar takes the
// panel's request, converts its lengths to points, runs the encoder of the symbology into a
// record from the host's block allocator and computes the layout; Bands() lists the record's
// rows and separators with their heights, from which art/databar_drawing.h draws and ModuleRows
// dumps. Beside it in databar/: the linear encoders (omnidirectional_encoders.h,
// limited_encoder.h, with the steps they share in item_number.h), their tables (omni_tables.h,
// limited_tables.h) and the attachment of a 2D component to their records
// (composite_attachment.h). The records themselves are core/'s, the Expanded encoder and the 2D
// component composite/'s.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/symbol_records.h"
#include "host/colour.h"
#include "host/error.h"
#include "host/fixed.h"
#include "host/handles.h"

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
  host::Real bottom = 0;       // the placement y, where drawing starts
  host::Fixed originX = 0;     // the placement x
};

// One band of a symbol: a linear row, a separator row or a 2D row, with its height in points.
struct Band {
  const ElementWidth* widths = nullptr;
  int32_t count = 0;
  host::Real height = 0;
};

// The bands of one symbol from the bottom up, in drawing order.
class BandList {
 public:
  void Add(const ElementWidth* widths, int32_t count, host::Real height);
  // The separator under a 2D component, then its rows; nothing when ccRowCount is 0 or less.
  void AddComposite(const ElementWidth* separator, int32_t separatorLength,
                    const CompositeRowBuffer& ccRows, int32_t ccRowLength, int32_t ccRowCount,
                    const SymbolDimensions& dimensions);
  std::span<const Band> bands() const { return {bands_.data(), static_cast<size_t>(count_)}; }

 private:
  // Expanded Stacked at most: 11 rows, 3 separators between each two, the 2D separator, 44 rows.
  static constexpr int kMaxBands =
      kExpandedRowCount + 3 * (kExpandedRowCount - 1) + 1 + kCompositeRowCount;
  std::array<Band, kMaxBands> bands_{};
  int32_t count_ = 0;
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

  // The record's rows and separators with their heights, from the bottom up; empty without a
  // record.
  BandList Bands() const;

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

  DataBarRequest request_;
  SymbolGeometry geometry_;
  void* record_ = nullptr;
};

// Top row first, separators and 2D rows included; '1' is a dark module, '0' a light one; every
// row starts at the symbol's left edge. Empty without a record. For the command's text dump and
// the tests.
std::vector<std::string> ModuleRows(const CGS1DataBarSymbol& symbol);

}  // namespace databar
