// The element strings of one GS1-128 symbol for medical products, with the code set the user
// chose for the lot number, and how much data they may carry.
#pragma once

#include <cstdint>
#include <string_view>

namespace gs1_128 {

// Code 128 code set of the lot number; A, B and C are the entries "A", "B", "C" of the panel's
// code-set list. Auto chooses the code sets inside the lot that make the symbol shortest.
enum LotCodeSet : int32_t {
  kLotCodeA = 0,
  kLotCodeB = 1,
  kLotCodeC = 2,
  kLotCodeAuto = 3,
};

// NUL-terminated element strings, identifier included ("01…", "17…", "30…", "10…"). An empty
// string means the identifier is absent.
struct Medical128Elements {
  char gtinElement[17] = {};      // "01" and 14 digits
  char expiryElement[9] = {};     // "17" and YYMMDD, or empty
  char quantityElement[11] = {};  // "30" and 1 to 8 digits, or empty
  char lotElement[23] = {};       // "10" and 1 to 20 characters, or empty
  int32_t lotCodeSet = kLotCodeA;
};

// Stores the four element strings and the lot code set. Refuses, leaving the record unchanged,
// any string longer than its field and any string the encoder could not turn into symbol
// characters: product code and expiry must be an even number of digits (sent as digit pairs),
// the quantity printable ASCII (sent in code set B), the lot printable ASCII of its code set
// (upper-case only in A; an even number of digits in C; any in auto), and the code set one of
// the four.
bool StoreElements(Medical128Elements& elements, std::string_view gtin, std::string_view expiry,
                   std::string_view quantity, std::string_view lot, int32_t lotCodeSet);

// How much data one symbol may carry: whether the entered texts (without identifiers, empty when
// absent) stay within 48 counted characters: the product code counts 16; a date 8; a quantity 2 +
// its digits + 2 for the separating FNC1; a lot 2 + 1 per digit + 2 per other character. The lot's
// code set plays no part.
bool FitsCapacity(std::string_view expiry, std::string_view quantity, std::string_view lot);

}  // namespace gs1_128
