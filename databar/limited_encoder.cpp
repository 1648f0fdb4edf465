#include "databar/limited_encoder.h"

#include <algorithm>

#include "databar/check_digit.h"
#include "databar/composite_attachment.h"
#include "databar/encode_error.h"
#include "databar/item_number.h"
#include "databar/limited_characters.h"

namespace databar {

int32_t EncodeLimited(const DataBarSource& source, LinearSymbol& symbol) {
  ItemNumber item;
  if (!BeginLinearEncoding(source, item))
    return EncodeError;
  InnerWidths inner;
  if (!EncodeLimitedCharacters(item.value, inner, source.hasComposite)) {
    EncodeError = kInvalidData;
    return EncodeError;
  }
  symbol.checkDigit = ComputeCheckDigit(item.digits);
  // Guard space 1 and bar 1 at each end.
  symbol.row[0] = 1;
  symbol.row[1] = 1;
  std::copy(inner.begin(), inner.end(), symbol.row + 2);
  symbol.row[kInnerWidthCount + 2] = 1;
  symbol.row[kInnerWidthCount + 3] = 1;
  symbol.rowLength = kInnerWidthCount + 4;
  symbol.ccRowCount = 0;
  if (source.hasComposite != 0)
    return AttachLimitedComposite(source, inner, symbol);
  return EncodeError;
}

}  // namespace databar
