#include "bench/benchmark_inputs.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

const std::string kUpperAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
const std::string kMixedCase = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz0123456789-";

std::string Element(const std::string& ai, const std::string& data, bool typed) {
  return (typed ? "(" : "[") + ai + (typed ? ")" : "]") + data;
}

}  // namespace

char CheckDigit(const std::string& digits) {
  int total = 0;
  bool triple = true;
  for (auto c = digits.rbegin(); c != digits.rend(); ++c, triple = !triple)
    total += (*c - '0') * (triple ? 3 : 1);
  return static_cast<char>('0' + (10 - total % 10) % 10);
}

std::string InputSource::Digits(int count) {
  std::string digits;
  for (int i = 0; i < count; ++i)
    digits += static_cast<char>('0' + Between(0, 9));
  return digits;
}

std::string InputSource::Characters(int count, const std::string& alphabet) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += alphabet[static_cast<size_t>(Between(0, static_cast<int>(alphabet.size()) - 1))];
  return text;
}

// Days up to the 28th are valid in every month.
std::string InputSource::Date() {
  char date[8];
  std::snprintf(date, sizeof date, "%02d%02d%02d", Between(24, 39), Between(1, 12), Between(1, 28));
  return date;
}

std::string InputSource::ItemNumber(bool limited) {
  return (limited ? std::to_string(Between(0, 1)) : Digits(1)) + Digits(12);
}

ComponentText InputSource::SmallComponent(int columns) {
  const std::string date = Date();
  const std::string lot = Characters(Between(1, columns == 2 ? 4 : 8), kUpperAndDigits);
  return {Element("17", date, true) + Element("10", lot, true),
          Element("17", date, false) + Element("10", lot, false)};
}

ComponentText InputSource::LargeComponent() {
  const std::string lot = Characters(20, kUpperAndDigits);
  const std::string serial = Characters(Between(10, 14), kUpperAndDigits);
  const std::string part = Characters(Between(4, 8), kUpperAndDigits);
  return {Element("10", lot, true) + "#" + Element("21", serial, true) + "#" +
              Element("240", part, true),
          Element("10", lot, false) + Element("21", serial, false) + Element("240", part, false)};
}

ComponentText InputSource::ElementString(int extraLotCharacters) {
  const std::string gtin13 = Digits(13);
  const std::string gtin = gtin13 + CheckDigit(gtin13);
  const std::string weight = Digits(6);
  const std::string date = Date();
  ComponentText text{
      Element("01", gtin, true) + Element("3103", weight, true) + Element("15", date, true),
      Element("01", gtin, false) + Element("3103", weight, false) + Element("15", date, false)};
  if (extraLotCharacters > 0) {
    const std::string lot = Characters(Between(1, extraLotCharacters), kUpperAndDigits);
    text.typed += Element("10", lot, true);
    text.zint += Element("10", lot, false);
  }
  return text;
}

Medical128Fields InputSource::Medical128() {
  Medical128Fields fields;
  fields.productCode = Digits(13);
  if (Between(0, 3) != 0)
    fields.expiry = Date();
  if (Between(0, 1) != 0)
    fields.quantity = std::to_string(std::max(1, Between(1, 99'999'999) >> Between(0, 20)));
  fields.lotCodeSet = Between(0, 2);
  if (Between(0, 3) != 0) {
    fields.lot = fields.lotCodeSet == 2   ? Digits(2 * Between(1, 10))
                 : fields.lotCodeSet == 1 ? Characters(Between(1, 20), kMixedCase)
                                          : Characters(Between(1, 20), kUpperAndDigits);
  }
  fields.zint = Element("01", fields.productCode + CheckDigit(fields.productCode), false);
  if (!fields.expiry.empty())
    fields.zint += Element("17", fields.expiry, false);
  if (!fields.quantity.empty())
    fields.zint += Element("30", fields.quantity, false);
  if (!fields.lot.empty())
    fields.zint += Element("10", fields.lot, false);
  return fields;
}

}  // namespace bench
