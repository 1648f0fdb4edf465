// The Code 128 symbol characters of a GS1-128 symbol for medical products, produced one by one
// into a sink: start character C, FNC1, the element strings (01), (17), (30), (10) with their
// code-set changes, the check character and the stop character.
#pragma once

#include <cstdint>

#include "gs1_128/medical128_elements.h"

namespace gs1_128 {

// Receives each symbol character in order: its value (0 to 102, kStartCValue or kStopValue) and
// its width string, bar first.
class SymbolCharacterSink {
 public:
  virtual void Put(int16_t value, const char* widths) = 0;

 protected:
  ~SymbolCharacterSink() = default;
};

// The data characters: everything between the leading FNC1 and the check character. The product
// code and the expiry go in code set C; the quantity always in code set B followed by FNC1 when a
// lot follows; the lot in the code set the user chose, preceded by the change the current set
// calls for, or in auto in the shortest run of code sets (see shortest_lot.h).
void EncodeData(const Medical128Elements& elements, SymbolCharacterSink& sink);

// The whole sequence from the start character to the stop character.
void EncodeSymbol(const Medical128Elements& elements, SymbolCharacterSink& sink);

// The check value (0 to 102): start C and the leading FNC1 weigh 1, the data characters 2, 3, …
// in order; the sum modulo 103.
int16_t ComputeCheckValue(const Medical128Elements& elements);

}  // namespace gs1_128
