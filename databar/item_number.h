// The 13-digit item number (the GTIN without its check digit) that the linear encoders take from
// the primary text, its check digit, the input checks they all make first and the steps they all
// take.
#pragma once

#include <cstdint>

#include "core/encode_error.h"
#include "core/symbol_records.h"

namespace databar {

constexpr int kItemNumberDigits = 13;

struct ItemNumber {
  char digits[kItemNumberDigits + 1];  // padded on the left with '0', NUL-terminated
  int64_t value;
};

// The GS1 mod-10 check digit of an item number: weights 3, 1, 3, 1, ... from the rightmost digit,
// as gs1::CheckDigitOf computes it for every symbology; -1 when a character is not a decimal
// digit.
int32_t ComputeCheckDigit(const char* text);

// Accepts 1 to 13 decimal digits. Shorter texts are padded with leading zeros.
bool ParseItemNumber(const char* text, ItemNumber& item);

// Parses the primary text. Returns kInvalidData when it is not an item number, or when a 2D
// component is asked for without any 2D data; otherwise kEncodeOk.
int32_t BeginLinearEncoding(const DataBarSource& source, ItemNumber& item);

// Writes guard space 1, guard bar 1, the widths, guard space 1, guard bar 1 into row. Returns the
// count.
int32_t WriteGuardedRow(const ElementWidth* first, const ElementWidth* last, ElementWidth* row);
// The one row of Omnidirectional, Truncated and Limited: the inner widths between their guards.
void WriteLinearRow(const InnerWidths& inner, LinearSymbol& symbol);

// The steps every linear encoder takes, from Omnidirectional to Limited: the input checks, the
// inner widths (encodeInner(item value, inner, linked) is false for an item number that the
// symbology cannot hold: kInvalidData), the check digit, the record's rows (writeRows(inner,
// symbol)) and, when the source asks for one, the 2D component (attach(source, inner, symbol)
// returns its error). The record is not written when the input is refused. An encoder entry
// point: the result is left in EncodeError and returned.
template <typename Record, typename EncodeInner, typename WriteRows, typename Attach>
int32_t EncodeLinearSymbol(const DataBarSource& source, Record& symbol, EncodeInner encodeInner,
                           WriteRows writeRows, Attach attach) {
  ItemNumber item;
  InnerWidths inner;
  int32_t result = BeginLinearEncoding(source, item);
  if (result == kEncodeOk && !encodeInner(item.value, inner, source.hasComposite))
    result = kInvalidData;
  if (result == kEncodeOk) {
    symbol.checkDigit = ComputeCheckDigit(item.digits);
    writeRows(inner, symbol);
    symbol.ccRowCount = 0;
    if (source.hasComposite != 0)
      result = attach(source, inner, symbol);
  }
  EncodeError = result;
  return result;
}

}  // namespace databar
