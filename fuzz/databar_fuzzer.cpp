// EncodeDataBar for every symbology code with any primary and 2D text, lengths, segments and
// text options, then the drawing of what it encoded. A symbol either encodes, keeping a record
// whose rows all have the width of its layout, or reports an encoder error and keeps nothing;
// the art drawn from it is whole, one rectangle per bar on the background.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "art/databar_drawing.h"
#include "core/encode_error.h"
#include "databar/gs1_databar_symbol.h"
#include "emulator/document.h"
#include "fuzz/check.h"
#include "fuzz/host_run.h"
#include "fuzz/input_fields.h"
#include "tests/hardening/art_checks.h"

namespace {

using databar::DataBarLayout;

struct Request {
  int32_t type;
  std::string primary;
  std::string composite;
  double lengths[6];
  int32_t segmentsPerRow;
  int32_t options;  // bits: show text, fit text, text as frame, show the 2D text
  std::vector<std::string> fieldStrings;
};

Request ReadRequest(fuzz::InputFields& in) {
  Request r;
  r.type = in.Int(0);
  r.primary = in.Text();
  r.composite = in.Text();
  constexpr double kDefaults[6] = {0.353, 12, 0.353, 0.706, 0.353, 2.5};
  for (int i = 0; i < 6; ++i)
    r.lengths[i] = in.Real(kDefaults[i]);
  r.segmentsPerRow = in.Int(22);
  r.options = in.Int(0);
  while (!in.empty() && r.fieldStrings.size() < databar::kFieldStringCount)
    r.fieldStrings.emplace_back(in.Text());
  return r;
}

bool Option(const Request& r, int bit) {
  return (r.options >> bit & 1) != 0;
}

int32_t Encode(databar::CGS1DataBarSymbol& symbol, const Request& r) {
  // The panel's field strings: 15 slots of at most 35 characters, empty ones unused.
  databar::FieldString fields[databar::kFieldStringCount] = {};
  for (size_t i = 0; i < r.fieldStrings.size(); ++i) {
    const std::string& text = r.fieldStrings[i];
    std::copy_n(text.c_str(), std::min(text.size(), databar::kFieldStringLength), fields[i]);
  }
  const double* l = r.lengths;
  return symbol.EncodeDataBar(
      r.type, r.primary.c_str(), r.fieldStrings.empty() ? nullptr : fields, r.composite.c_str(),
      l[0], l[1], l[2], l[3], l[4], l[5], r.segmentsPerRow, Option(r, 0), !Option(r, 2),
      Option(r, 1), Option(r, 2), Option(r, 3), host::FixedFromInt(300), host::FixedFromInt(400));
}

int CompositeRowCount(const databar::CGS1DataBarSymbol& symbol) {
  switch (symbol.request().layout) {
    case DataBarLayout::kStacked:
      return symbol.record<databar::StackedSymbol>().ccRowCount;
    case DataBarLayout::kStackedOmni:
      return symbol.record<databar::StackedOmniSymbol>().ccRowCount;
    case DataBarLayout::kExpanded:
      return symbol.record<databar::ExpandedSymbol>().ccRowCount;
    case DataBarLayout::kLinear:
    case DataBarLayout::kLimitedLinear:
      break;
  }
  return symbol.record<databar::LinearSymbol>().ccRowCount;
}

// Row lengths within the records' arrays, so that no row reads into the next field.
void CheckLengths(const databar::CGS1DataBarSymbol& symbol) {
  using namespace databar;
  auto within = [](int32_t length, int capacity) { return length >= 0 && length <= capacity; };
  switch (symbol.request().layout) {
    case DataBarLayout::kLinear:
    case DataBarLayout::kLimitedLinear: {
      const auto& s = symbol.record<LinearSymbol>();
      FUZZ_CHECK(within(s.rowLength, kLinearRowCapacity));
      FUZZ_CHECK(within(s.ccSeparatorLength, kSeparatorCapacity));
      FUZZ_CHECK(within(s.ccRowLength, kCompositeRowCapacity));
      FUZZ_CHECK(within(s.ccRowCount, kCompositeRowCount));
      break;
    }
    case DataBarLayout::kStacked: {
      const auto& s = symbol.record<StackedSymbol>();
      FUZZ_CHECK(within(s.topRowLength, kStackedRowCapacity));
      FUZZ_CHECK(within(s.bottomRowLength, kStackedRowCapacity));
      FUZZ_CHECK(within(s.rowSeparatorLength, kSeparatorCapacity));
      FUZZ_CHECK(within(s.ccSeparatorLength, kSeparatorCapacity));
      FUZZ_CHECK(within(s.ccRowLength, kCompositeRowCapacity));
      FUZZ_CHECK(within(s.ccRowCount, kCompositeRowCount));
      break;
    }
    case DataBarLayout::kStackedOmni: {
      const auto& s = symbol.record<StackedOmniSymbol>();
      FUZZ_CHECK(within(s.topRowLength, kStackedRowCapacity));
      FUZZ_CHECK(within(s.bottomRowLength, kStackedRowCapacity));
      for (const int32_t length : s.rowSeparatorLengths)
        FUZZ_CHECK(within(length, kSeparatorCapacity));
      FUZZ_CHECK(within(s.ccSeparatorLength, kSeparatorCapacity));
      FUZZ_CHECK(within(s.ccRowLength, kCompositeRowCapacity));
      FUZZ_CHECK(within(s.ccRowCount, kCompositeRowCount));
      break;
    }
    case DataBarLayout::kExpanded: {
      const auto& s = symbol.record<ExpandedSymbol>();
      FUZZ_CHECK(s.rowCount >= 1 && s.rowCount <= kExpandedRowCount);
      for (int32_t r = 0; r < s.rowCount; ++r)
        FUZZ_CHECK(within(s.rowLengths[r], kExpandedRowCapacity));
      FUZZ_CHECK(within(s.separatorLengths[kExpandedSeparatorCount], kExpandedSeparatorCount));
      for (int32_t k = 0; k < s.separatorLengths[kExpandedSeparatorCount]; ++k)
        FUZZ_CHECK(within(s.separatorLengths[k], kSeparatorCapacity));
      FUZZ_CHECK(within(s.ccRowLength, kCompositeRowCapacity));
      FUZZ_CHECK(within(s.ccRowCount, kCompositeRowCount));
      break;
    }
  }
}

int32_t Modules(const databar::ElementWidth* widths, int32_t count) {
  int32_t modules = 0;
  for (int32_t i = 0; i < count; ++i)
    modules += widths[i];
  return modules;
}

// Where the last dark module of a row ends.
size_t DarkExtent(const std::string& row) {
  const size_t last = row.rfind('1');
  return last == std::string::npos ? 0 : last + 1;
}

// The linear forms have rows of one width: the linear rows alone, or with a 2D component all of
// its rows and separators too. Expanded rows span the symbol's width, the lowest (the last row of
// data) at most, its trailing light modules cut at the largest element width.
void CheckRowWidths(const databar::CGS1DataBarSymbol& symbol, int ccRows) {
  const std::vector<std::string> rows = databar::ModuleRows(symbol);
  FUZZ_CHECK(!rows.empty());
  const size_t width = rows.front().size();
  switch (symbol.request().layout) {
    case DataBarLayout::kLinear:
      FUZZ_CHECK(width == (ccRows > 0 ? 101u : 96u));
      break;
    case DataBarLayout::kLimitedLinear:
      FUZZ_CHECK(width == (ccRows > 8 ? 84u : 74u));
      break;
    case DataBarLayout::kStacked:
    case DataBarLayout::kStackedOmni:
      FUZZ_CHECK(width == (ccRows > 0 ? 57u : 50u));
      break;
    case DataBarLayout::kExpanded: {
      const auto& s = symbol.record<databar::ExpandedSymbol>();
      const size_t symbolWidth = static_cast<size_t>(s.symbolWidth);
      for (const std::string& row : rows) {
        FUZZ_CHECK(row.size() <= symbolWidth);
        FUZZ_CHECK(DarkExtent(row) <= symbolWidth);
      }
      for (int32_t r = 1; r < s.rowCount; ++r)
        FUZZ_CHECK(static_cast<size_t>(Modules(s.rows[r], s.rowLengths[r])) == symbolWidth);
      return;
    }
  }
  for (const std::string& row : rows)
    FUZZ_CHECK(row.size() == width);
}

int DarkRuns(const std::vector<std::string>& rows) {
  int runs = 0;
  for (const std::string& row : rows) {
    for (size_t i = 0; i < row.size(); ++i)
      runs += row[i] == '1' && (i == 0 || row[i - 1] == '0') ? 1 : 0;
  }
  return runs;
}

void Draw(databar::CGS1DataBarSymbol& symbol, const Request& r, emulator::Document& document) {
  const host::ArtHandle group = emulator::HandleOf(&document.group());
  const art::CGS1DataBarArt target(group);
  const bool frames = Option(r, 2);
  host::Real cursorY = symbol.geometry().bottom;
  if (frames) {
    art::DrawItemText(symbol, group, cursorY);
    art::DrawElementStrings(symbol, group, cursorY);
  }
  art::DrawBackground(symbol, target, cursorY);
  if (!frames)
    art::DrawItemOutlines(symbol, art::CTextPathGS1DataBarArt(group), cursorY);
  const size_t before = document.Paths().size();
  art::DrawSymbol(symbol, target, cursorY);
  // One rectangle for every bar.
  FUZZ_CHECK(document.Paths().size() - before ==
             static_cast<size_t>(DarkRuns(databar::ModuleRows(symbol))));
  if (frames)
    art::DrawCompositeText(symbol, group, cursorY);
  FUZZ_CHECK(hardening::FindBrokenArt(document).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputFields in(data, size);
  const Request request = ReadRequest(in);
  fuzz::HostRun host;
  databar::CGS1DataBarSymbol symbol;
  const int32_t result = Encode(symbol, request);
  // Encoded, or refused with an encoder error: never both, never neither.
  FUZZ_CHECK((result == databar::kEncodeOk) == symbol.hasRecord());
  FUZZ_CHECK(result == databar::kEncodeOk || databar::IsEncodeErrorCode(result));
  if (result != databar::kEncodeOk)
    return 0;
  CheckLengths(symbol);
  const int ccRows = CompositeRowCount(symbol);
  FUZZ_CHECK((ccRows > 0) == symbol.request().hasCompositeText);
  CheckRowWidths(symbol, ccRows);
  Draw(symbol, request, host.document());
  return 0;
}
