#include "gs1_128/mod10_check.h"

namespace gs1_128 {

char Mod10CheckCharacter(std::string_view digits) {
  // From the right: the rightmost digit and every second one to its left weigh 3, the others 1.
  int sum = 0;
  int weight = 3;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    sum += weight * (*it - '0');
    weight = 4 - weight;
  }
  const int remainder = sum % 10;
  return static_cast<char>('0' + (remainder == 0 ? 0 : 10 - remainder));
}

}  // namespace gs1_128
