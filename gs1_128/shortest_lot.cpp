#include "gs1_128/shortest_lot.h"

#include "gs1_128/symbol_values.h"

namespace gs1_128 {

namespace {

enum CodeSet { kB, kC };

constexpr int kLongestLot = kMostLotValues - 1;
constexpr int kNever = 1000;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int LengthOf(const char* lot) {
  int length = 0;
  while (length < kLongestLot && lot[length] != '\0') {
    ++length;
  }
  return length;
}

// Fewest values for the lot from each position to its end, starting in each code set, filled
// from the end. A change of code set is followed by a character of the new set, so the two sets'
// costs at one position depend only on later positions.
class LotCosts {
 public:
  explicit LotCosts(const char* lot) : lot_(lot), length_(LengthOf(lot)) {
    cost_[length_][kB] = cost_[length_][kC] = 0;
    for (int at = length_ - 1; at >= 0; --at) {
      const int pair = PairCost(at);
      const int single = 1 + cost_[at + 1][kB];
      cost_[at][kB] = Smaller(single, 1 + pair);
      cost_[at][kC] = Smaller(pair, 1 + single);
    }
  }

  bool HasPair(int at) const {
    return at + 1 < length_ && IsDigit(lot_[at]) && IsDigit(lot_[at + 1]);
  }
  // Sending the next character or pair in the current set, against changing first; equal costs
  // keep the current set.
  bool ShouldChange(int at, CodeSet set) const {
    const int stay = set == kB ? 1 + cost_[at + 1][kB] : PairCost(at);
    return stay > cost_[at][set];
  }
  int length() const { return length_; }

 private:
  static int Smaller(int a, int b) { return a < b ? a : b; }
  int PairCost(int at) const { return HasPair(at) ? 1 + cost_[at + 2][kC] : kNever; }

  const char* lot_;
  int length_;
  int cost_[kLongestLot + 1][2] = {};
};

}  // namespace

LotValues ShortestLotValues(const char* lot, bool inCodeB) {
  const LotCosts costs(lot);
  LotValues result;
  const auto emit = [&result](int16_t value) { result.values[result.count++] = value; };
  CodeSet set = inCodeB ? kB : kC;
  for (int at = 0; at < costs.length();) {
    if (costs.ShouldChange(at, set)) {
      set = set == kB ? kC : kB;
      emit(set == kB ? kCodeBValue : kCodeCValue);
    }
    if (set == kC) {
      emit(DigitPairValue(lot[at], lot[at + 1]));
      at += 2;
    } else {
      emit(CharacterValue(lot[at]));
      at += 1;
    }
  }
  return result;
}

}  // namespace gs1_128
