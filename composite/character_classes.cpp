#include "composite/character_classes.h"

#include <array>
#include <string_view>

#include "databar/encode_error.h"

namespace composite {
namespace {

constexpr std::array<uint8_t, 256> BuildClassTable() {
  std::array<uint8_t, 256> table{};
  const auto mark = [&table](std::string_view chars, uint8_t classes) {
    for (char c : chars)
      table[static_cast<unsigned char>(c)] |= classes;
  };
  table[0] = kEndOfTextClass;
  mark("0123456789", kNumericClass | kAlphanumericClass | kIso646Class);
  mark("*,-./ABCDEFGHIJKLMNOPQRSTUVWXYZ", kAlphanumericClass | kIso646Class);
  mark(" !\"%&'()+:;<=>?_abcdefghijklmnopqrstuvwxyz", kIso646Class);
  return table;
}

constexpr std::array<uint8_t, 256> kClassTable = BuildClassTable();

}  // namespace

uint8_t ClassOf(char c) {
  return kClassTable[static_cast<unsigned char>(c)];
}

int ValidateData(const char* text) {
  for (int i = 0; text[i] != '\0'; ++i) {
    if (ClassOf(text[i]) == 0 && text[i] != kFnc1 && text[i] != kSeparatorCharacter) {
      databar::EncodeError = databar::kInvalidData;
      return i;
    }
  }
  return 0;
}

}  // namespace composite
