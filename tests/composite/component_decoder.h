// Reads the element string back out of a composite component: its codewords back to bits, then
// the method field and the general-purpose modes, as a reader would. Each decoding step is
// recorded so that two encodings of the same data can be compared step by step.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "composite/size_tables.h"
#include "tests/composite/component_reader.h"

namespace composite::testing {

// The data bits of a component of `columns` columns, as '0' and '1'; empty if the row count is
// no size of that column count.
inline std::string ComponentBits(int columns, const std::vector<ReadRow>& rows) {
  const CompositeSizeTable& table = *SizeTableFor(columns);
  int index = -1;
  for (int i = 0; i < table.count; ++i) {
    if (table.sizes[i].rows == static_cast<int>(rows.size()))
      index = i;
  }
  if (index < 0)
    return "";
  std::vector<int> codewords;
  for (const ReadRow& row : rows) {
    for (const Codeword& cw : row.codewords)
      codewords.push_back(cw.value);
  }
  const int capacity = table.sizes[index].bits;
  std::string bits;
  const auto append = [&bits](uint64_t value, int count) {
    for (int k = count - 1; k >= 0; --k)
      bits += (value >> k & 1) ? '1' : '0';
  };
  // A CC-A group holds up to 69 bits: three 32-bit limbs, least significant first.
  const auto appendWide = [&bits](const uint32_t(&limbs)[3], int count) {
    for (int k = count - 1; k >= 0; --k)
      bits += (limbs[k / 32] >> (k % 32) & 1) ? '1' : '0';
  };
  size_t next = 0;
  if (table.IsCcB(index)) {
    next = 2;  // 920 and the byte compaction mode
    int bytes = capacity / 8;
    for (; bytes >= 6; bytes -= 6) {
      uint64_t value = 0;
      for (int k = 0; k < 5; ++k)
        value = value * 900 + codewords[next++];
      append(value, 48);
    }
    for (; bytes > 0; --bytes)
      append(codewords[next++], 8);
  } else {
    for (int start = 0; start < capacity; start += 69) {
      const int count = std::min(69, capacity - start);
      uint32_t limbs[3] = {};
      for (int k = 0; k <= count / 10; ++k) {
        uint64_t carry = static_cast<uint64_t>(codewords[next++]);
        for (uint32_t& limb : limbs) {
          const uint64_t product = static_cast<uint64_t>(limb) * 928 + carry;
          limb = static_cast<uint32_t>(product);
          carry = product >> 32;
        }
      }
      appendWide(limbs, count);
    }
  }
  return bits;
}

struct DecodedData {
  std::string text;            // the element string, '#' for FNC1
  std::string generalPurpose;  // the part of it in the general-purpose modes
  // Characters ("N12", "AX", "N5" for a final digit), latches ("N>A") and the method ("M11:N").
  std::vector<std::string> steps;
};

class ElementStringDecoder {
 public:
  explicit ElementStringDecoder(const std::string& bits) : bits_(bits) {}

  DecodedData Decode() {
    std::string prefix;  // what the method field stands for
    char mode = 'N';
    std::string impliedAi;
    bool date = false;
    if (Take(1) == 0) {
      Step("M0");
    } else if (Take(1) == 0) {
      if (Peek(2) == 3) {
        Take(2);
        prefix = "10";
        Step("M10:lot");
      } else {
        const int value = Take(16);
        prefix = (Take(1) ? "17" : "11") + Two(value / 384) + Two(value % 384 / 32 + 1) +
                 Two(value % 32);
        date = true;
        Step("M10:date");
      }
    } else {
      mode = Take(1) == 0 ? 'A' : (Take(1) == 0 ? 'N' : 'L');
      if (Take(1) == 1)
        impliedAi = Take(1) == 0 ? "21" : "8004";
      int number = Take(5);
      char letter;
      if (number == 31) {
        number = Take(10);
        letter = static_cast<char>('A' + Take(5));
      } else {
        letter = "BDHIJKLNPQRSTVWZ"[Take(4)];
      }
      prefix = "90" + (number > 0 ? std::to_string(number) : "") + letter;
      Step(std::string("M11:") + mode);
      if (mode == 'L')
        mode = LettersAndDigits();
    }
    GeneralPurpose(mode);
    out_.generalPurpose = out_.text;
    std::string text = out_.text;
    if (date)
      text = text.starts_with("#") ? text.substr(1) : "10" + text;
    if (!impliedAi.empty() && text.find('#') != std::string::npos) {
      text.insert(text.find('#') + 1, impliedAi);
    }
    out_.text = prefix + text;
    while (out_.text.ends_with("#"))
      out_.text.pop_back();
    return out_;
  }

 private:
  int Remaining() const { return static_cast<int>(bits_.size()) - at_; }
  int Peek(int count) const {
    int value = 0;
    for (int i = 0; i < count; ++i)
      value = value * 2 + (bits_[at_ + i] == '1');
    return value;
  }
  int Take(int count) {
    const int value = Peek(count);
    at_ += count;
    return value;
  }
  static std::string Two(int value) {
    return std::string{char('0' + value / 10), char('0' + value % 10)};
  }
  void Step(std::string step) { out_.steps.push_back(std::move(step)); }
  void Emit(char mode, char c) {
    out_.text += c;
    Step(std::string{mode, c});
  }

  char LettersAndDigits() {
    while (Remaining() >= 5) {
      const int value = Peek(5);
      if (value == 31) {
        Take(5);
        Emit('L', '#');
        return 'N';
      }
      if (value < 26) {
        Emit('L', static_cast<char>('A' + Take(5)));
      } else {
        Emit('L', static_cast<char>('0' + Take(6) - 52));
      }
    }
    return 'N';
  }

  void GeneralPurpose(char mode) {
    while (true) {
      const char next = mode == 'N' ? Numeric() : mode == 'A' ? Alphanumeric() : Iso646();
      if (next == 0)
        break;
      if (next != mode)
        Step(std::string{mode, '>', next});
      mode = next;
    }
    Step("end");
  }

  char Numeric() {
    if (Remaining() < 4)
      return 0;
    if (Remaining() < 7) {
      const int value = Take(4);
      if (value >= 1 && value <= 10)
        Emit('N', static_cast<char>('0' + value - 1));
      return 0;
    }
    if (Peek(4) == 0) {
      Take(4);
      return 'A';
    }
    const int value = Take(7) - 8;
    const auto digit = [](int v) { return v == 10 ? '#' : static_cast<char>('0' + v); };
    out_.text += digit(value / 11);
    out_.text += digit(value % 11);
    Step(std::string{'N', digit(value / 11), digit(value % 11)});
    return 'N';
  }

  // 000 latches to numeric, 00100 to the other of alphanumeric and ISO/IEC 646.
  char Latch(char other) {
    if (Peek(3) == 0) {
      Take(3);
      return 'N';
    }
    if (Peek(5) == 4) {
      Take(5);
      return other;
    }
    return 0;
  }

  // A 5-bit digit or FNC1, the same in alphanumeric and ISO/IEC 646.
  char Digit(char mode) {
    const int value = Take(5);
    Emit(mode, value == 15 ? '#' : static_cast<char>('0' + value - 5));
    return value == 15 ? 'N' : mode;
  }

  char Alphanumeric() {
    if (Remaining() < 5)
      return 0;
    if (const char latch = Latch('I'))
      return latch;
    if (Peek(5) < 16)
      return Digit('A');
    if (Remaining() < 6)
      return 0;
    const int value = Take(6);
    const char c = value == 63 ? '^' : value == 58 ? '*' : value < 58 ? value + 33 : value - 15;
    Emit('A', c);
    return c == '^' ? 'N' : 'A';
  }

  char Iso646() {
    if (Remaining() < 5)
      return 0;
    if (const char latch = Latch('A'))
      return latch;
    if (Peek(5) < 16)
      return Digit('I');
    if (Remaining() < 7)
      return 0;
    if (Peek(7) < 116) {
      const int value = Take(7);
      Emit('I', static_cast<char>(value < 90 ? value + 1 : value + 7));
      return 'I';
    }
    if (Remaining() < 8)
      return 0;
    const int value = Take(8);
    static const std::string kEightBit = "!\"%&'()*+,-./:;<=>?_ ^";
    const char c = kEightBit[std::min(value - 232, static_cast<int>(kEightBit.size()) - 1)];
    Emit('I', c);
    return c == '^' ? 'N' : 'I';
  }

  const std::string& bits_;
  int at_ = 0;
  DecodedData out_;
};

inline DecodedData DecodeElementString(const std::string& bits) {
  return ElementStringDecoder(bits).Decode();
}

}  // namespace composite::testing
