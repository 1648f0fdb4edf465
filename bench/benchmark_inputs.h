// The inputs of the encoder benchmarks: for each case a thousand distinct symbols, each as a user
// types it (the item number and the 2D text of the GS1 DataBar panel, the element string of the
// Expanded panel, the four fields of the GS1-128 panel) and as zint is given the same data.
// Candidates are drawn from a seeded generator; a case keeps those that make the symbol it
// measures (see encoder_benchmarks.cpp).
#pragma once

#include <random>
#include <string>

#include "bench/zint_peer.h"

namespace bench {

constexpr int kInputCount = 1000;

// A 2D component's text as typed ("(17)991231(10)LOT1001") and in zint's form.
struct ComponentText {
  std::string typed;
  std::string zint;
};

struct Medical128Fields {
  std::string productCode;  // 13 digits, without the check digit
  std::string expiry;       // YYMMDD or empty
  std::string quantity;     // digits without leading zeros, or empty
  std::string lot;          // or empty
  int lotCodeSet = 0;       // 0 A, 1 B, 2 C
  std::string zint;         // the element string in zint's form
};

class InputSource {
 public:
  explicit InputSource(unsigned seed) : random_(seed) {}

  // 13 digits; Limited items start with 0 or 1.
  std::string ItemNumber(bool limited);
  // Data small enough for a CC-A over a symbol of the given 2D column count: an expiry date and
  // a short lot.
  ComponentText SmallComponent(int columns);
  // Data that needs a CC-B: a long lot, a serial number and a part number.
  ComponentText LargeComponent();
  // An Expanded element string: GTIN, net weight, best-before date and, for some, a lot.
  ComponentText ElementString(int extraLotCharacters);
  Medical128Fields Medical128();

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::string Digits(int count);
  std::string Characters(int count, const std::string& alphabet);
  std::string Date();

  std::mt19937 random_;
};

// The GS1 check digit of the digits before it.
char CheckDigit(const std::string& digits);

}  // namespace bench
