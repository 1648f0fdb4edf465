#include "databar/item_number.h"

#include <cstring>

#include "databar/encode_error.h"

namespace databar {

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

bool BeginLinearEncoding(const DataBarSource& source, ItemNumber& item) {
  EncodeError = kEncodeOk;
  const bool missingComposite = source.hasComposite != 0 && (source.compositeText == nullptr ||
                                                             source.compositeText[0] == '\0');
  if (missingComposite || !ParseItemNumber(source.linearText, item)) {
    EncodeError = kInvalidData;
    return false;
  }
  return true;
}

}  // namespace databar
