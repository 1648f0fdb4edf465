// The random element strings of the composite peer tests and the points where this encoder
// parts from the standard procedure that the peers follow, making a smaller symbol. Shared by
// the component's peer test and the peer tests of whole composite and Expanded symbols.
#pragma once

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "composite/bit_buffer.h"
#include "composite/encode_target.h"
#include "composite/general_purpose_encoder.h"
#include "composite/size_tables.h"
#include "core/encode_error.h"
#include "tests/composite/component_decoder.h"

namespace composite::testing {

struct Element {
  std::string ai;
  std::string data;
  bool variableLength;
};

// Our text ('#' after a variable-length field that is not the last) and the peer's bracketed
// form, which inserts FNC1 itself.
inline std::string OurText(const std::vector<Element>& elements) {
  std::string text;
  for (size_t i = 0; i < elements.size(); ++i) {
    text += elements[i].ai + elements[i].data;
    if (elements[i].variableLength && i + 1 < elements.size())
      text += '#';
  }
  return text;
}

inline std::string PeerText(const std::vector<Element>& elements) {
  std::string text;
  for (const Element& e : elements)
    text += "[" + e.ai + "]" + e.data;
  return text;
}

// Random element strings that lead with each encodation method and mix the three
// general-purpose modes in runs of every length.
class ElementStringGenerator {
 public:
  explicit ElementStringGenerator(uint32_t seed) : rng_(seed) {}

  std::vector<Element> Next(int dataCharacters) {
    std::vector<Element> elements;
    int length = 0;
    const auto add = [&](Element e) {
      length += static_cast<int>(e.ai.size() + e.data.size());
      elements.push_back(std::move(e));
    };
    switch (Uniform(0, 4)) {
      case 0:  // date, usually with a lot number
        add({Pick({"11", "17"}), Date(), false});
        if (Uniform(0, 2) > 0)
          add({"10", Data(Uniform(1, 20)), true});
        break;
      case 1:
        add({"10", Data(Uniform(1, 20)), true});
        break;
      case 2:  // AI 90 with a number and letter, maybe followed by AI 21 or AI 8004
        add({"90", Ai90Data(), true});
        if (Uniform(0, 1))
          add({Pick({"21", "8004"}), Data(Uniform(1, 20)), true});
        break;
      default:
        add(RandomElement());
        break;
    }
    while (length < dataCharacters)
      add(RandomElement());
    return elements;
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

 private:
  static constexpr const char* kDigits = "0123456789";
  static constexpr const char* kAlphanumeric = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ*,-./";
  static constexpr const char* kUpperAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static constexpr const char* kIso646 =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ*,-./abcdefghijklmnopqrstuvwxyz!\"%&'()+:;<=>?_ ";

  const char* Pick(std::initializer_list<const char*> choices) {
    return *(choices.begin() + Uniform(0, static_cast<int>(choices.size()) - 1));
  }

  std::string Characters(const char* set, int count) {
    const int size = static_cast<int>(std::char_traits<char>::length(set));
    std::string s;
    for (int i = 0; i < count; ++i)
      s += set[Uniform(0, size - 1)];
    return s;
  }

  std::string TwoDigits(int value) {
    char s[3];
    std::snprintf(s, sizeof s, "%02d", value);
    return s;
  }

  // Mostly valid dates (DD 00 included), sometimes a month the date method must refuse.
  std::string Date() {
    const int month = Uniform(0, 9) == 0 ? Uniform(13, 99) : Uniform(1, 12);
    return TwoDigits(Uniform(0, 99)) + TwoDigits(month) + TwoDigits(Uniform(0, 31));
  }

  // Runs of digits, alphanumeric and ISO/IEC 646 characters of random lengths.
  std::string Data(int length) {
    std::string s;
    while (static_cast<int>(s.size()) < length) {
      const char* set = Pick({kDigits, kAlphanumeric, kIso646, kUpperAndDigits});
      s += Characters(set, std::min(length - static_cast<int>(s.size()), Uniform(1, 10)));
    }
    return s;
  }

  std::string Ai90Data() {
    std::string prefix;
    switch (Uniform(0, 3)) {
      case 0:
        break;  // letter only
      case 1:
        prefix = std::to_string(Uniform(1, 30));
        break;
      case 2:
        prefix = std::to_string(Uniform(1, 999));
        break;
      default:
        prefix = Characters(kDigits, Uniform(1, 4));  // may fail the number rule
        break;
    }
    const std::string letter = Characters("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1);
    const int length = Uniform(0, 24);
    const std::string rest =
        Uniform(0, 2) == 0 ? Characters(kUpperAndDigits, length) : Data(length);
    return prefix + letter + rest;
  }

  Element RandomElement() {
    switch (Uniform(0, 9)) {
      case 0:
        return {"01", Characters(kDigits, 14), false};
      case 1:
        return {Pick({"11", "13", "17"}), Date(), false};
      case 2:
        return {"20", Characters(kDigits, 2), false};
      case 3:
        return {"3103", Characters(kDigits, 6), false};
      case 4:
        return {"30", Characters(kDigits, Uniform(1, 8)), true};
      case 5:
        return {Pick({"10", "21", "22", "91", "92"}), Data(Uniform(1, 20)), true};
      case 6:
        return {Pick({"240", "250", "8004"}), Data(Uniform(1, 30)), true};
      case 7:
        return {"90", Ai90Data(), true};
      case 8:
        return {"98", Characters(kDigits, Uniform(1, 40)), true};
      default:
        return {"99", Characters(kAlphanumeric, Uniform(1, 40)), true};
    }
  }

  std::mt19937 rng_;
};

// Data that lands in each size of the table in turn (case i in size i % count), so that every
// size is covered, then `tooLong` cases too long for every size. rowsOf(elements) gives the rows
// the data takes (anything else when it is refused).
template <typename RowsOf>
std::vector<std::vector<Element>> CasesForEverySize(const CompositeSizeTable& table, int cases,
                                                    int tooLong, ElementStringGenerator& generator,
                                                    RowsOf rowsOf) {
  std::vector<std::vector<Element>> chosenCases;
  for (int i = 0; i < cases; ++i) {
    const int target = i % table.count;
    const int lowBits = target == 0 ? 0 : table.sizes[target - 1].bits;
    const int highBits = table.sizes[target].bits;
    std::vector<Element> chosen;
    for (int attempt = 0; attempt < 500; ++attempt) {
      chosen = generator.Next(generator.Uniform(lowBits / 8, highBits / 3));
      if (rowsOf(chosen) == table.sizes[target].rows)
        break;
    }
    chosenCases.push_back(chosen);
  }
  const int longest = table.sizes[table.count - 1].bits;
  for (int i = 0; i < tooLong; ++i)
    chosenCases.push_back(generator.Next(generator.Uniform(longest / 4, longest / 2)));
  return chosenCases;
}

// Where this encoder parts from the standard procedure of the general-purpose encodation, which
// the peers follow: a choice that writes fewer bits, which the encoder keeps only where it makes
// the symbol smaller. A symbol that differs from the peer's must part from it at one of these
// and be the smaller.
enum class Difference {
  kIso646BeforeFnc1,  // stays in ISO/IEC 646 up to FNC1 where the peer latches to alphanumeric
  kAi90NumericStart,  // AI 90 data with four or more leading digits starts numeric
  kUnexplained,
};

constexpr const char* kDifferenceNames[] = {"ISO/IEC 646 kept up to FNC1",
                                            "AI 90 data started numeric", "unexplained"};

// The documented choice at which two decodings of the same data part, or kUnexplained.
inline Difference Classify(const testing::DecodedData& ours, const testing::DecodedData& peer) {
  size_t k = 0;
  while (k < ours.steps.size() && k < peer.steps.size() && ours.steps[k] == peer.steps[k])
    ++k;
  const std::string a = k < ours.steps.size() ? ours.steps[k] : "";
  const std::string b = k < peer.steps.size() ? peer.steps[k] : "";
  size_t decoded = 0;  // general-purpose characters before the difference
  for (size_t i = 0; i < k; ++i) {
    const std::string& step = peer.steps[i];
    const bool latch = step.size() == 3 && step[1] == '>';
    if (std::string("NAIL").find(step[0]) != std::string::npos && !latch) {
      decoded += step.size() - 1;
    }
  }
  const std::string ahead =
      peer.generalPurpose.substr(std::min(decoded, peer.generalPurpose.size()));
  if (a == "M11:N" && b == "M11:A")
    return Difference::kAi90NumericStart;
  // The look-ahead that latches sees at most ten characters.
  if (b == "I>A" && a.size() == 2 && a[0] == 'I' &&
      ahead.substr(0, 10).find('#') != std::string::npos) {
    return Difference::kIso646BeforeFnc1;
  }
  return Difference::kUnexplained;
}

inline std::string BitText(const BitBuffer& bits) {
  std::string text;
  for (int i = 0; i < kBitCapacity; ++i)
    text += GetBit(bits, i) ? '1' : '0';
  return text;
}

// Where the peer refuses as too long data that ours fits into the largest component of
// `columns` columns: our encodation by the standard procedure alone, as the peer encodes, must be
// too long as well, and ours must part from it at a documented choice.
inline Difference ExplainPeerRefusal(int columns, const std::string& text,
                                     const DecodedData& ours) {
  std::vector<char> copy(text.begin(), text.end());
  copy.push_back('\0');
  BitBuffer bits{};
  int size = -1;
  const EncodeTarget target = EncodeTarget::Composite(SizeTableFor(columns)->capacities.data());
  if (EncodeDataBits(target, copy.data(), bits, size, EncodeChoices::kStandardProcedure) !=
      databar::kDataTooLong) {
    return Difference::kUnexplained;
  }
  return Classify(ours, DecodeElementString(BitText(bits)));
}

}  // namespace composite::testing
