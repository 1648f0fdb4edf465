#include "databar/gs1_databar_symbol.h"

#include <cstring>
#include <new>
#include <string_view>

#include "composite/expanded_encoder.h"
#include "core/encode_error.h"
#include "databar/limited_encoder.h"
#include "databar/omnidirectional_encoders.h"
#include "gs1/ai_syntax.h"
#include "host/suite_pointers.h"

namespace databar {

namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;

// The text factors are single-precision constants used in double-precision arithmetic.
constexpr double kTextHeightFactor = static_cast<double>(7.2f);
constexpr double kTextAdvanceFactor = static_cast<double>(5.65f);
constexpr int kItemLineCharacters = 18;  // "(01)" and 14 digits

// Whether FNC1 must end the AI's data when another element string follows: for every AI but
// those whose data has a length every reader knows; an AI that is not a GS1 AI gets one too.
bool AiNeedsFnc1(std::string_view ai) {
  const gs1::AiSyntax* row = gs1::FindAiSyntax(ai);
  return row == nullptr || row->needsFnc1;
}

// Shrinks the outline text so that 18 cells are about as wide as the symbol's bars.
double FitFactor(DataBarLayout layout) {
  switch (layout) {
    case DataBarLayout::kStacked:
    case DataBarLayout::kStackedOmni:
      return static_cast<double>(0.49f);
    case DataBarLayout::kLimitedLinear:
      return static_cast<double>(0.72f);
    default:
      return static_cast<double>(0.94f);
  }
}

host::Real ToPoints(double millimetres) {
  return static_cast<host::Real>(millimetres * kPointsPerMillimetre);
}

// Copies a NUL-terminated text into a buffer of `capacity` characters plus the terminator.
// Refuses a longer text instead of cutting it.
bool CopyBounded(char* destination, const char* source, size_t capacity) {
  const size_t length = strnlen(source, capacity + 1);
  if (length > capacity)
    return false;
  std::memcpy(destination, source, length);
  destination[length] = '\0';
  return true;
}

struct RowMeasure {
  int32_t modules = 0;
  int32_t leading = 0;   // the leading space
  int32_t trailing = 0;  // the trailing space, 0 when the row ends with a bar
};

RowMeasure MeasureRow(const ElementWidth* row, int32_t count) {
  RowMeasure measure;
  for (int32_t i = 0; i < count; ++i)
    measure.modules += row[i];
  measure.leading = count > 0 ? row[0] : 0;
  measure.trailing = count % 2 == 1 ? row[count - 1] : 0;
  return measure;
}

// Height of a 2D component with its separator, 0 without one.
double CompositeHeight(const SymbolDimensions& d, int32_t ccRowCount) {
  if (ccRowCount <= 0)
    return 0;
  return ccRowCount * static_cast<double>(d.ccRowHeight) + d.ccSeparatorHeight;
}

}  // namespace

CGS1DataBarSymbol::CGS1DataBarSymbol() = default;

CGS1DataBarSymbol::~CGS1DataBarSymbol() {
  FreeRecord();
}

int32_t CGS1DataBarSymbol::EncodeDataBar(
    int32_t type, const char* primary, const FieldString* fields, const char* composite,
    double moduleWidth, double rowHeight, double ccSeparatorHeight, double ccRowHeight,
    double separatorHeight, double secondRowHeight, int32_t segmentsPerRow, int32_t showText,
    int32_t /*textAsOutlines*/, int32_t fitText, int32_t textAsFrame, int32_t showCompositeText,
    host::Fixed placeX, host::Fixed placeY) {
  FreeRecord();
  if (!CopyRequestTexts(primary, fields, composite))
    return kInvalidData;
  request_.layout = LayoutOf(type);
  request_.dimensions = {ToPoints(moduleWidth),       ToPoints(rowHeight),
                         ToPoints(ccSeparatorHeight), ToPoints(ccRowHeight),
                         ToPoints(separatorHeight),   ToPoints(secondRowHeight)};
  request_.segmentsPerRow = segmentsPerRow;
  request_.showText = showText != 0;
  request_.textAsFrame = textAsFrame != 0;
  request_.fitText = fitText != 0;
  request_.showCompositeText = showCompositeText != 0;
  request_.hasCompositeText = request_.compositeText[0] != '\0';
  FilterCompositeText();

  const int32_t result = EncodeRecord(MakeSource());
  if (result != kEncodeOk)
    return result;
  ComputeLayout(placeX, placeY);
  return kEncodeOk;
}

void CGS1DataBarSymbol::SetBarWidthReduction(double millimetres) {
  request_.barWidthReduction = ToPoints(millimetres);
}

bool CGS1DataBarSymbol::CopyRequestTexts(const char* primary, const FieldString* fields,
                                         const char* composite) {
  if (primary == nullptr)
    return false;
  if (!CopyBounded(request_.primaryText, primary, kPrimaryTextLength))
    return false;
  if (!CopyBounded(request_.compositeText, composite != nullptr ? composite : "",
                   kCompositeTextLength)) {
    return false;
  }
  if (fields == nullptr)
    return true;
  for (int i = 0; i < kFieldStringCount; ++i) {
    if (strnlen(fields[i], kFieldStringLength + 1) > kFieldStringLength)
      return false;
  }
  for (int i = 0; i < kFieldStringCount; ++i) {
    CopyBounded(request_.fieldStrings[i], fields[i], kFieldStringLength);
  }
  return true;
}

// '$' (a line break), '(' and ')' are only shown; '#' (FNC1) and '^' (the separator character)
// are only encoded. The 2D text becomes its human-readable form in place. Where the AIs are
// written in parentheses, the text says where each element string ends, so an FNC1 is put after
// the data of every AI that needs one before the next '(' (unless the user wrote '#' or '^'
// there): a reader then finds the element strings the text shows.
void CGS1DataBarSymbol::FilterCompositeText() {
  const bool bracketed = std::strpbrk(request_.compositeText, "()") != nullptr;
  char* shown = request_.compositeText;
  char* const encodedStart = request_.encoderCompositeText;
  char* encoded = encodedStart;
  const char* aiStart = nullptr;  // in the encoder text
  std::string_view ai;            // the AI of the element string being written
  for (const char* c = request_.compositeText; *c != '\0'; ++c) {
    const char character = *c;
    if (bracketed && character == '(') {
      if (!ai.empty() && encoded[-1] != '#' && encoded[-1] != '^' && AiNeedsFnc1(ai))
        *encoded++ = '#';
      aiStart = encoded;
      ai = {};
    } else if (bracketed && character == ')' && aiStart != nullptr) {
      ai = std::string_view(aiStart, static_cast<size_t>(encoded - aiStart));
      aiStart = nullptr;
    }
    if (character != '$' && character != '(' && character != ')')
      *encoded++ = character;
    if (character != '#' && character != '^')
      *shown++ = character;
  }
  *encoded = '\0';
  *shown = '\0';
}

DataBarSource CGS1DataBarSymbol::MakeSource() const {
  DataBarSource source;
  source.linearText = request_.primaryText;
  if (request_.hasCompositeText) {
    source.compositeText = request_.encoderCompositeText;
    source.hasComposite = 1;
  }
  source.segmentsPerRow = request_.segmentsPerRow;
  return source;
}

int32_t CGS1DataBarSymbol::EncodeRecord(const DataBarSource& source) {
  switch (request_.layout) {
    case DataBarLayout::kStacked:
      return EncodeInto(EncodeStacked, source);
    case DataBarLayout::kStackedOmni:
      return EncodeInto(EncodeStackedOmnidirectional, source);
    case DataBarLayout::kLimitedLinear:
      return EncodeInto(EncodeLimited, source);
    case DataBarLayout::kExpanded:
      return EncodeInto(composite::EncodeExpanded, source);
    case DataBarLayout::kLinear:
      break;
  }
  return EncodeInto(EncodeOmnidirectional, source);
}

template <typename Record>
int32_t CGS1DataBarSymbol::EncodeInto(int32_t (*encoder)(const DataBarSource&, Record&),
                                      const DataBarSource& source) {
  void* block = nullptr;
  const host::ErrorCode error = host::sBlocks->AllocateBlock(sizeof(Record), nullptr, &block);
  if (error != host::kNoError)
    return error;
  if (block == nullptr)
    return host::kOutOfMemory;
  Record* record = new (block) Record;
  ClearRecord(*record);
  record_ = block;
  const int32_t result = encoder(source, *record);
  if (result != kEncodeOk) {
    FreeRecord();
    return result;
  }
  if constexpr (requires { record->checkDigit; })
    request_.checkDigit = record->checkDigit;
  return kEncodeOk;
}

void CGS1DataBarSymbol::FreeRecord() {
  if (record_ == nullptr)
    return;
  host::sBlocks->FreeBlock(record_);
  record_ = nullptr;
}

void CGS1DataBarSymbol::ComputeLayout(host::Fixed placeX, host::Fixed placeY) {
  const SymbolDimensions& d = request_.dimensions;
  geometry_ = SymbolGeometry{};
  geometry_.barColor = host::GreyColour(1.0f);
  geometry_.bottom = host::sFixedMath->FixedToReal(placeY);
  geometry_.originX = placeX;
  geometry_.left = host::sFixedMath->FixedToReal(placeX);

  RowMeasure row;
  double height = 0;
  switch (request_.layout) {
    case DataBarLayout::kLinear:
    case DataBarLayout::kLimitedLinear: {
      const auto& symbol = record<LinearSymbol>();
      row = MeasureRow(symbol.row, symbol.rowLength);
      height = d.rowHeight + CompositeHeight(d, symbol.ccRowCount);
      break;
    }
    case DataBarLayout::kStacked: {
      const auto& symbol = record<StackedSymbol>();
      row = MeasureRow(symbol.bottomRow, symbol.bottomRowLength);
      height = static_cast<double>(d.rowHeight) + d.separatorHeight + d.secondRowHeight +
               CompositeHeight(d, symbol.ccRowCount);
      break;
    }
    case DataBarLayout::kStackedOmni: {
      const auto& symbol = record<StackedOmniSymbol>();
      row = MeasureRow(symbol.bottomRow, symbol.bottomRowLength);
      height = 3.0 * d.separatorHeight + d.rowHeight + d.secondRowHeight +
               CompositeHeight(d, symbol.ccRowCount);
      break;
    }
    case DataBarLayout::kExpanded: {
      const auto& symbol = record<ExpandedSymbol>();
      row.modules = symbol.symbolWidth;
      height = symbol.rowCount * static_cast<double>(d.rowHeight) +
               (symbol.rowCount - 1) * 3.0 * d.separatorHeight +
               CompositeHeight(d, symbol.ccRowCount);
      break;
    }
  }
  geometry_.height = static_cast<host::Real>(height);
  geometry_.width = static_cast<host::Real>(row.modules * static_cast<double>(d.moduleWidth));
  geometry_.textLeft = geometry_.left;

  // Only the outline text has a band of its own; a text frame measures itself when drawn.
  if (request_.layout != DataBarLayout::kExpanded && request_.showText && !request_.textAsFrame) {
    ReserveTextBand(row.modules, row.leading, row.trailing);
  }
  if (request_.layout == DataBarLayout::kLimitedLinear)
    CoverLimitedTrailingSpace(row.modules);
}

// The rows and the text keep their places; only the background reaches further when it ended
// before the light modules after the right guard.
void CGS1DataBarSymbol::CoverLimitedTrailingSpace(int32_t modules) {
  SymbolGeometry& g = geometry_;
  const double rowsOffset = g.left - static_cast<double>(host::sFixedMath->FixedToReal(g.originX));
  const double covered = rowsOffset + (modules + kLimitedTrailingSpaceModules) *
                                          static_cast<double>(request_.dimensions.moduleWidth);
  if (covered > g.width)
    g.width = static_cast<host::Real>(covered);
}

void CGS1DataBarSymbol::ReserveTextBand(int32_t modules, int32_t leading, int32_t trailing) {
  const double x = request_.dimensions.moduleWidth;
  SymbolGeometry& g = geometry_;
  g.textUnit = static_cast<host::Real>(request_.fitText ? x * FitFactor(request_.layout) : x);
  g.textHeight = static_cast<host::Real>(kTextHeightFactor * g.textUnit);
  g.textGap = g.textUnit;
  g.textAdvance = static_cast<host::Real>(kTextAdvanceFactor * g.textUnit);
  g.height = static_cast<host::Real>(static_cast<double>(g.height) + g.textHeight + g.textGap);

  const double textWidth = kItemLineCharacters * static_cast<double>(g.textAdvance);
  double textLeft;
  if (request_.fitText) {
    // Centred over the bars alone.
    textLeft = g.left + leading * x + ((modules - leading - trailing) * x - textWidth) / 2;
  } else if (g.width < textWidth) {
    // The rows are centred under the wider text.
    textLeft = g.left;
    g.left = static_cast<host::Real>(g.left + (textWidth - g.width) / 2);
    g.width = static_cast<host::Real>(textWidth);
  } else {
    textLeft = g.left + (g.width - textWidth) / 2;
  }
  g.textLeft = static_cast<host::Real>(textLeft + g.textAdvance / 2.0);
}

void BandList::Add(const ElementWidth* widths, int32_t count, host::Real height) {
  if (count_ < kMaxBands)
    bands_[count_++] = {widths, count, height};
}

void BandList::AddComposite(const ElementWidth* separator, int32_t separatorLength,
                            const CompositeRowBuffer& ccRows, int32_t ccRowLength,
                            int32_t ccRowCount, const SymbolDimensions& dimensions) {
  if (ccRowCount <= 0)
    return;
  Add(separator, separatorLength, dimensions.ccSeparatorHeight);
  for (int32_t r = 0; r < ccRowCount; ++r)
    Add(ccRows[r], ccRowLength, dimensions.ccRowHeight);
}

namespace {

// The 2D component over the linear part of a record; nothing without one.
template <typename Record>
void AddComponent(BandList& list, const Record& s, const SymbolDimensions& d) {
  list.AddComposite(s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength, s.ccRowCount, d);
}

void AddRowSeparators(BandList& list, const StackedSymbol& s, host::Real height) {
  list.Add(s.rowSeparator, s.rowSeparatorLength, height);
}

void AddRowSeparators(BandList& list, const StackedOmniSymbol& s, host::Real height) {
  for (int i = 0; i < 3; ++i)
    list.Add(s.rowSeparators[i], s.rowSeparatorLengths[i], height);
}

// The lower row, the separators between the rows, the upper row and the 2D component.
template <typename Record>
void AddStacked(BandList& list, const Record& s, const SymbolDimensions& d) {
  list.Add(s.bottomRow, s.bottomRowLength, d.secondRowHeight);
  AddRowSeparators(list, s, d.separatorHeight);
  list.Add(s.topRow, s.topRowLength, d.rowHeight);
  AddComponent(list, s, d);
}

// The three separators between rows r - 1 and r come before row r; the one after the last row's
// separators lies under the 2D component.
void AddExpanded(BandList& list, const ExpandedSymbol& s, const SymbolDimensions& d) {
  for (int32_t r = 0; r < s.rowCount; ++r) {
    for (int32_t k = 3 * (r - 1); r > 0 && k < 3 * r; ++k)
      list.Add(s.separators[k], s.separatorLengths[k], d.separatorHeight);
    list.Add(s.rows[r], s.rowLengths[r], d.rowHeight);
  }
  const int32_t ccSeparator = 3 * (s.rowCount - 1);
  list.AddComposite(s.separators[ccSeparator], s.separatorLengths[ccSeparator], s.ccRows,
                    s.ccRowLength, s.ccRowCount, d);
}

}  // namespace

BandList CGS1DataBarSymbol::Bands() const {
  BandList list;
  if (!hasRecord())
    return list;
  const SymbolDimensions& d = request_.dimensions;
  switch (request_.layout) {
    case DataBarLayout::kLinear:
    case DataBarLayout::kLimitedLinear:
      list.Add(record<LinearSymbol>().row, record<LinearSymbol>().rowLength, d.rowHeight);
      AddComponent(list, record<LinearSymbol>(), d);
      break;
    case DataBarLayout::kStacked:
      AddStacked(list, record<StackedSymbol>(), d);
      break;
    case DataBarLayout::kStackedOmni:
      AddStacked(list, record<StackedOmniSymbol>(), d);
      break;
    case DataBarLayout::kExpanded:
      AddExpanded(list, record<ExpandedSymbol>(), d);
      break;
  }
  return list;
}

std::vector<std::string> ModuleRows(const CGS1DataBarSymbol& symbol) {
  const BandList list = symbol.Bands();
  std::vector<std::string> rows;
  for (auto band = list.bands().rbegin(); band != list.bands().rend(); ++band) {
    std::string row;
    for (int32_t i = 0; i < band->count; ++i)
      row.append(band->widths[i], i % 2 == 1 ? '1' : '0');
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace databar
