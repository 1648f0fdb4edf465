// EncodeComposite for every column count with any text. A component either has rows, all of the
// width of its column count and kind, or reports its error and leaves the row buffer untouched.
#include <cstdint>
#include <cstring>
#include <string>

#include "composite/composite_component.h"
#include "core/encode_error.h"
#include "fuzz/check.h"
#include "fuzz/input_fields.h"

namespace {

constexpr uint8_t kUntouched = 0xA5;

struct RowShape {
  int elements;
  int modules;
};

// 2 columns: CC-A and CC-B alike; 3 columns: CC-A up to 8 rows, CC-B from there; 4 columns: both.
RowShape ShapeOf(int columns, int rows) {
  switch (columns) {
    case 2:
      return {31, 57};
    case 3:
      return rows > 8 ? RowShape{45, 84} : RowShape{39, 74};
    default:
      return {53, 101};
  }
}

bool IsUntouched(const databar::CompositeRowBuffer& rows) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(rows);
  for (size_t i = 0; i < sizeof rows; ++i) {
    if (bytes[i] != kUntouched)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputFields in(data, size);
  const int columns = in.Int(4);
  const std::string text(in.Text());

  databar::CompositeRowBuffer rows;
  std::memset(rows, kUntouched, sizeof rows);
  const int count = composite::EncodeComposite(columns, text.c_str(), rows);

  FUZZ_CHECK((count > 0) == (databar::EncodeError == databar::kEncodeOk));
  if (count == 0) {
    FUZZ_CHECK(databar::IsEncodeErrorCode(databar::EncodeError));
    FUZZ_CHECK(IsUntouched(rows));
    return 0;
  }
  FUZZ_CHECK(columns >= 2 && columns <= 4);
  FUZZ_CHECK(count <= databar::kCompositeRowCount);
  const RowShape shape = ShapeOf(columns, count);
  for (int r = 0; r < count; ++r) {
    int modules = 0;
    for (int i = 0; i < shape.elements; ++i) {
      FUZZ_CHECK(rows[r][i] >= 1);
      modules += rows[r][i];
    }
    FUZZ_CHECK(modules == shape.modules);
  }
  return 0;
}
