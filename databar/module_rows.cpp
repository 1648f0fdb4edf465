#include "databar/module_rows.h"

namespace databar {

namespace {

// Collects rows bottom-up, in drawing order.
class RowCollector {
 public:
  void Add(const ElementWidth* widths, int32_t count) {
    std::string row;
    for (int32_t i = 0; i < count; ++i)
      row.append(widths[i], i % 2 == 1 ? '1' : '0');
    rows_.push_back(std::move(row));
  }

  void AddComposite(const ElementWidth* separator, int32_t separatorLength,
                    const CompositeRowBuffer& ccRows, int32_t ccRowLength, int32_t ccRowCount) {
    if (ccRowCount <= 0)
      return;
    Add(separator, separatorLength);
    for (int32_t r = 0; r < ccRowCount; ++r)
      Add(ccRows[r], ccRowLength);
  }

  std::vector<std::string> TopFirst() && { return {rows_.rbegin(), rows_.rend()}; }

 private:
  std::vector<std::string> rows_;
};

}  // namespace

std::vector<std::string> ModuleRows(const CGS1DataBarSymbol& symbol) {
  if (!symbol.hasRecord())
    return {};
  RowCollector rows;
  switch (symbol.request().layout) {
    case DataBarLayout::kLinear:
    case DataBarLayout::kLimitedLinear: {
      const auto& s = symbol.record<LinearSymbol>();
      rows.Add(s.row, s.rowLength);
      rows.AddComposite(s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength, s.ccRowCount);
      break;
    }
    case DataBarLayout::kStacked: {
      const auto& s = symbol.record<StackedSymbol>();
      rows.Add(s.bottomRow, s.bottomRowLength);
      rows.Add(s.rowSeparator, s.rowSeparatorLength);
      rows.Add(s.topRow, s.topRowLength);
      rows.AddComposite(s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength, s.ccRowCount);
      break;
    }
    case DataBarLayout::kStackedOmni: {
      const auto& s = symbol.record<StackedOmniSymbol>();
      rows.Add(s.bottomRow, s.bottomRowLength);
      for (int i = 0; i < 3; ++i)
        rows.Add(s.rowSeparators[i], s.rowSeparatorLengths[i]);
      rows.Add(s.topRow, s.topRowLength);
      rows.AddComposite(s.ccSeparator, s.ccSeparatorLength, s.ccRows, s.ccRowLength, s.ccRowCount);
      break;
    }
    case DataBarLayout::kExpanded: {
      const auto& s = symbol.record<ExpandedSymbol>();
      for (int32_t r = 0; r < s.rowCount; ++r) {
        if (r > 0) {
          for (int32_t k = 3 * (r - 1); k < 3 * r; ++k) {
            rows.Add(s.separators[k], s.separatorLengths[k]);
          }
        }
        rows.Add(s.rows[r], s.rowLengths[r]);
      }
      const int32_t ccSeparator = 3 * (s.rowCount - 1);
      rows.AddComposite(s.separators[ccSeparator], s.separatorLengths[ccSeparator], s.ccRows,
                        s.ccRowLength, s.ccRowCount);
      break;
    }
  }
  return std::move(rows).TopFirst();
}

}  // namespace databar
