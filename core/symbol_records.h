// The model that every layer above shares (core/): the vocabulary of the GS1 DataBar encoders,
// the composite component encoder and the art builder. Symbology codes, layout classes, the
// encoder input and the encoded-symbol records the encoders fill live here; beside this header,
// element_widths.h turns character values into widths, separator.h builds the separator rows
// and encode_error.h holds the encoders' error code. core/ includes nothing above it: composite/
// builds on it, databar/ on both, art/ draws what databar/ encodes.
//
// Every row of bars is an array of element widths in modules with a count of the elements used.
// Element 0 is always a space and elements alternate, so odd indices are bars. A row that must
// begin with a bar begins with a space of width 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace databar {

using ElementWidth = uint8_t;

enum DataBarType : int32_t {
  kOmnidirectional = 0,
  kTruncated = 1,
  kStacked = 2,
  kStackedOmnidirectional = 3,
  kLimited = 4,
  kExpanded = 5,
};

enum class DataBarLayout : int32_t {
  kLinear,
  kStacked,
  kStackedOmni,
  kLimitedLinear,
  kExpanded,
};

// Any code outside 0..5 is treated as Omnidirectional.
constexpr DataBarLayout LayoutOf(int32_t type) {
  switch (type) {
    case kStacked:
      return DataBarLayout::kStacked;
    case kStackedOmnidirectional:
      return DataBarLayout::kStackedOmni;
    case kLimited:
      return DataBarLayout::kLimitedLinear;
    case kExpanded:
      return DataBarLayout::kExpanded;
    default:  // Omnidirectional, Truncated and every unknown code
      return DataBarLayout::kLinear;
  }
}

// Capacities of the element rows.
constexpr int kLinearRowCapacity = 46;
constexpr int kSeparatorCapacity = 545;
constexpr int kStackedRowCapacity = 27;
constexpr int kCompositeRowCount = 44;     // rows of the largest 2D component
constexpr int kCompositeRowCapacity = 53;  // elements of the widest 2D row
constexpr int kExpandedRowCount = 11;
constexpr int kExpandedRowCapacity = 252;
constexpr int kExpandedSeparatorCount = 31;

// The rows of a 2D component, top row first, as the component encoder writes them.
using CompositeRowBuffer = ElementWidth[kCompositeRowCount][kCompositeRowCapacity];

// The 42 element widths between the guards of an Omnidirectional or Limited linear row. Index 0
// is a space.
constexpr int kInnerWidthCount = 42;
using InnerWidths = std::array<ElementWidth, kInnerWidthCount>;

// Encoder input.
struct DataBarSource {
  const char* linearText = nullptr;     // NUL-terminated primary data
  const char* compositeText = nullptr;  // filtered 2D data, or null without a 2D component
  int32_t hasComposite = 0;
  int32_t segmentsPerRow = 0;  // Expanded Stacked only
};

// Omnidirectional, Truncated and Limited.
struct LinearSymbol {
  ElementWidth row[kLinearRowCapacity];
  int32_t rowLength;
  ElementWidth ccSeparator[kSeparatorCapacity];
  int32_t ccSeparatorLength;
  CompositeRowBuffer ccRows;
  int32_t ccRowLength;
  int32_t ccRowCount;
  int32_t checkDigit;
};

struct StackedSymbol {
  ElementWidth topRow[kStackedRowCapacity];
  int32_t topRowLength;
  ElementWidth rowSeparator[kSeparatorCapacity];
  int32_t rowSeparatorLength;
  ElementWidth bottomRow[kStackedRowCapacity];
  int32_t bottomRowLength;
  ElementWidth ccSeparator[kSeparatorCapacity];
  int32_t ccSeparatorLength;
  CompositeRowBuffer ccRows;
  int32_t ccRowLength;
  int32_t ccRowCount;
  int32_t checkDigit;
};

struct StackedOmniSymbol {
  ElementWidth topRow[kStackedRowCapacity];
  int32_t topRowLength;
  // Index 0 is next to the lower row, 1 the middle row, 2 next to the upper row.
  ElementWidth rowSeparators[3][kSeparatorCapacity];
  int32_t rowSeparatorLengths[3];
  ElementWidth bottomRow[kStackedRowCapacity];
  int32_t bottomRowLength;
  ElementWidth ccSeparator[kSeparatorCapacity];
  int32_t ccSeparatorLength;
  CompositeRowBuffer ccRows;
  int32_t ccRowLength;
  int32_t ccRowCount;
  int32_t checkDigit;
};

// Expanded and Expanded Stacked. rows[0] is drawn lowest. The three separators between rows r-1
// and r are separators[3(r-1) .. 3(r-1)+2], drawn upward; separators[3(rowCount-1)] lies under a
// 2D component. separatorLengths[31] holds the number of separators stored.
struct ExpandedSymbol {
  ElementWidth rows[kExpandedRowCount][kExpandedRowCapacity];
  int32_t rowLengths[kExpandedRowCount];
  int32_t rowCount;
  int32_t symbolWidth;
  ElementWidth separators[kExpandedSeparatorCount][kSeparatorCapacity];
  int32_t separatorLengths[kExpandedSeparatorCount + 1];
  CompositeRowBuffer ccRows;
  int32_t ccRowLength;
  int32_t ccRowCount;
};

// Clears a record for an encoder to fill, so that no field of it is ever read uninitialised.
template <typename Record>
void ClearRecord(Record& record) {
  static_assert(std::is_trivially_copyable_v<Record>);
  std::memset(&record, 0, sizeof record);
}

// The separator rows are three quarters of an Expanded record, and a symbol of few rows stores
// few of them: the encoder clears each slot it stores, and nothing reads past the count stored.
inline void ClearRecord(ExpandedSymbol& record) {
  const auto bytes = reinterpret_cast<unsigned char*>(&record);
  const size_t separators = offsetof(ExpandedSymbol, separators);
  const size_t afterSeparators = offsetof(ExpandedSymbol, separatorLengths);
  std::memset(bytes, 0, separators);
  std::memset(bytes + afterSeparators, 0, sizeof record - afterSeparators);
}

}  // namespace databar
