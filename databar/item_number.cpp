#include "databar/item_number.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/encode_error.h"
#include "gs1/content_checks.h"

namespace databar {

int32_t ComputeCheckDigit(const char* text) {
  const std::string_view digits(text, std::strlen(text));
  // A loop rather than find_first_not_of, which searches the set of digits once per character:
  // every linear encode computes its check digit here.
  for (const char c : digits) {
    if (c < '0' || c > '9')
      return -1;
  }
  return gs1::CheckDigitOf(digits) - '0';
}

bool ParseItemNumber(const char* text, ItemNumber& item) {
  if (text == nullptr)
    return false;
  const size_t length = std::strlen(text);
  // An empty text is refused rather than encoded as the item number 0.
  if (length == 0 || length > kItemNumberDigits)
    return false;
  const size_t padding = kItemNumberDigits - length;
  std::memset(item.digits, '0', padding);
  item.value = 0;
  for (size_t i = 0; i < length; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9')
      return false;
    item.digits[padding + i] = c;
    item.value = item.value * 10 + (c - '0');
  }
  item.digits[kItemNumberDigits] = '\0';
  return true;
}

int32_t BeginLinearEncoding(const DataBarSource& source, ItemNumber& item) {
  const bool missingComposite = source.hasComposite != 0 && (source.compositeText == nullptr ||
                                                             source.compositeText[0] == '\0');
  if (missingComposite || !ParseItemNumber(source.linearText, item))
    return kInvalidData;
  return kEncodeOk;
}

int32_t WriteGuardedRow(const ElementWidth* first, const ElementWidth* last, ElementWidth* row) {
  row[0] = 1;
  row[1] = 1;
  ElementWidth* end = std::copy(first, last, row + 2);
  end[0] = 1;
  end[1] = 1;
  return static_cast<int32_t>(end + 2 - row);
}

void WriteLinearRow(const InnerWidths& inner, LinearSymbol& symbol) {
  symbol.rowLength = WriteGuardedRow(inner.data(), inner.data() + kInnerWidthCount, symbol.row);
}

}  // namespace databar
