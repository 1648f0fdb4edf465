// The Expanded encoder with any element string, segments per row and 2D text. It encodes a
// complete record, or refuses without writing to it, or (for a 2D component that cannot be
// built) keeps the complete linear record without 2D rows; its result is its EncodeError.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "composite/expanded_encoder.h"
#include "core/encode_error.h"
#include "fuzz/check.h"
#include "fuzz/input_fields.h"

namespace {

using databar::ExpandedSymbol;

constexpr uint8_t kUntouched = 0x5A;
constexpr int32_t kWidestSymbol = 11 * 49 + 4;  // 22 segments and the guards

bool IsUntouched(const ExpandedSymbol& symbol) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(&symbol);
  for (size_t i = 0; i < sizeof symbol; ++i) {
    if (bytes[i] != kUntouched)
      return false;
  }
  return true;
}

int32_t Modules(const databar::ElementWidth* widths, int32_t count) {
  int32_t modules = 0;
  for (int32_t i = 0; i < count; ++i)
    modules += widths[i];
  return modules;
}

// Every element is at least one module wide but two spaces: the first, before a row's first bar,
// and a last one, the padding of a row that already spans the symbol.
bool ElementsAreWhole(const databar::ElementWidth* widths, int32_t count) {
  for (int32_t i = 1; i < count; ++i) {
    const bool trailingSpace = i == count - 1 && i % 2 == 0;
    if (widths[i] == 0 && !trailingSpace)
      return false;
  }
  return true;
}

void CheckRecord(const ExpandedSymbol& s, bool hasComposite, bool compositeBuilt) {
  using namespace databar;
  FUZZ_CHECK(s.rowCount >= 1 && s.rowCount <= kExpandedRowCount);
  FUZZ_CHECK(s.symbolWidth > 0 && s.symbolWidth <= kWidestSymbol);
  for (int32_t r = 0; r < s.rowCount; ++r) {
    FUZZ_CHECK(s.rowLengths[r] > 0 && s.rowLengths[r] <= kExpandedRowCapacity);
    FUZZ_CHECK(ElementsAreWhole(s.rows[r], s.rowLengths[r]));
    const int32_t modules = Modules(s.rows[r], s.rowLengths[r]);
    // The lowest row holds the last data and may be cut short by the largest element width.
    FUZZ_CHECK(r == 0 ? modules <= s.symbolWidth : modules == s.symbolWidth);
  }
  const int32_t separators = s.separatorLengths[kExpandedSeparatorCount];
  FUZZ_CHECK(separators == 3 * (s.rowCount - 1) + (hasComposite ? 1 : 0));
  for (int32_t k = 0; k < separators; ++k) {
    FUZZ_CHECK(s.separatorLengths[k] > 0 && s.separatorLengths[k] <= kSeparatorCapacity);
    FUZZ_CHECK(Modules(s.separators[k], s.separatorLengths[k]) <= s.symbolWidth);
  }
  if (!compositeBuilt) {
    FUZZ_CHECK(s.ccRowCount == 0);
    return;
  }
  FUZZ_CHECK(s.ccRowCount > 0 && s.ccRowCount <= kCompositeRowCount);
  FUZZ_CHECK(s.ccRowLength == kCompositeRowCapacity);
  for (int32_t r = 0; r < s.ccRowCount; ++r) {
    FUZZ_CHECK(ElementsAreWhole(s.ccRows[r], s.ccRowLength));
    FUZZ_CHECK(Modules(s.ccRows[r], s.ccRowLength) <= s.symbolWidth);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputFields in(data, size);
  const std::string linear(in.Text());
  databar::DataBarSource source;
  source.segmentsPerRow = in.Int(22);
  source.hasComposite = in.Int(0);
  const std::string composite(in.Text());
  source.linearText = linear.c_str();
  source.compositeText = composite.c_str();

  auto symbol = std::make_unique<ExpandedSymbol>();
  std::memset(symbol.get(), kUntouched, sizeof(ExpandedSymbol));
  const int32_t result = composite::EncodeExpanded(source, *symbol);

  FUZZ_CHECK(result == databar::EncodeError);
  FUZZ_CHECK(result == databar::kEncodeOk || databar::IsEncodeErrorCode(result));
  const bool hasComposite = source.hasComposite != 0;
  if (result == databar::kEncodeOk) {
    CheckRecord(*symbol, hasComposite, hasComposite);
  } else if (!IsUntouched(*symbol)) {
    // Only a 2D component that cannot be built leaves a record behind: the linear part whole.
    FUZZ_CHECK(hasComposite);
    CheckRecord(*symbol, hasComposite, false);
  }
  return 0;
}
