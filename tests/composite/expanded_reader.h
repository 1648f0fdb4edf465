// Reads a DataBar Expanded (Stacked) symbol back from its module rows, as a reader would: the
// linear rows found between their middle separators, each row's reading direction recognised by
// its finder patterns, the characters looked up by their widths, the data characters turned back
// into bits, and the bits into the element string (method field, then the general-purpose modes
// that the composite component shares).
#pragma once

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "composite/expanded_characters.h"
#include "databar/item_number.h"
#include "tests/composite/component_decoder.h"

namespace composite::testing {

using Widths8 = std::array<int, 8>;

// The rows of a record as modules ('1' dark), top row first: the 2D rows, the separator under
// them, then the linear rows with their separators, as they are drawn.
inline std::vector<std::string> ExpandedModuleRows(const databar::ExpandedSymbol& symbol) {
  const auto modules = [](const databar::ElementWidth* widths, int count) {
    std::string row;
    for (int i = 0; i < count; ++i)
      row.append(widths[i], i % 2 == 1 ? '1' : '0');
    return row;
  };
  std::vector<std::string> rows;  // bottom first
  for (int r = 0; r < symbol.rowCount; ++r) {
    for (int k = 3 * (r - 1); r > 0 && k < 3 * r; ++k)
      rows.push_back(modules(symbol.separators[k], symbol.separatorLengths[k]));
    rows.push_back(modules(symbol.rows[r], symbol.rowLengths[r]));
  }
  if (symbol.ccRowCount > 0) {
    const int k = 3 * (symbol.rowCount - 1);
    rows.push_back(modules(symbol.separators[k], symbol.separatorLengths[k]));
    for (int r = 0; r < symbol.ccRowCount; ++r)
      rows.push_back(modules(symbol.ccRows[r], symbol.ccRowLength));
  }
  return {rows.rbegin(), rows.rend()};
}

// The value of every character pattern, by its widths in reading order.
inline const std::map<Widths8, int>& ExpandedCharacterValues() {
  static const std::map<Widths8, int> values = [] {
    std::map<Widths8, int> map;
    for (int value = 0; value < 4192; ++value) {
      databar::ElementWidth widths[8];
      ExpandedCharacterWidths(widths, value, true);
      Widths8 key;
      std::copy(widths, widths + 8, key.begin());
      map[key] = value;
    }
    return map;
  }();
  return values;
}

inline bool IsFinder(const int* runs, bool reversed) {
  static constexpr int kFinders[6][5] = {{1, 8, 4, 1, 1}, {3, 6, 4, 1, 1}, {3, 4, 6, 1, 1},
                                         {3, 2, 8, 1, 1}, {2, 6, 5, 1, 1}, {2, 2, 9, 1, 1}};
  for (const auto& finder : kFinders) {
    bool same = true;
    for (int i = 0; i < 5; ++i)
      same = same && runs[i] == finder[reversed ? 4 - i : i];
    if (same)
      return true;
  }
  return false;
}

// Runs of equal modules between the first and the last dark module.
inline std::vector<int> DarkToDarkRuns(const std::string& row) {
  std::vector<int> runs;
  const size_t first = row.find('1');
  const size_t last = row.rfind('1');
  if (first == std::string::npos)
    return runs;
  for (size_t i = first; i <= last;) {
    size_t end = i;
    while (end <= last && row[end] == row[i])
      ++end;
    runs.push_back(static_cast<int>(end - i));
    i = end;
  }
  return runs;
}

// The middle separator of stacked rows: nothing but single modules between its dark ends.
inline bool IsMiddleSeparator(const std::string& row) {
  const std::vector<int> runs = DarkToDarkRuns(row);
  return runs.size() > 20 &&
         std::all_of(runs.begin(), runs.end(), [](int run) { return run == 1; });
}

// The symbol characters of one row read left to right, its first pair being `firstPair`; empty
// when the runs are not such a row.
inline std::vector<int> ReadRowCharacters(const std::vector<int>& runs, int firstPair) {
  // A row of an even first pair begins with the guard bar and a space of its first character;
  // of an odd one, with the guard bar and space before a bar of its first character.
  const int start = firstPair % 2 == 0 ? 1 : 2;
  int count = static_cast<int>(runs.size()) - start - 1;  // without the right guard bar
  if (count % 21 != 0 && count % 21 != 13)
    --count;  // the right guard's space too
  if (count <= 0 || (count % 21 != 0 && count % 21 != 13))
    return {};
  const auto character = [&](int at, bool reversed) {
    Widths8 widths;
    for (int i = 0; i < 8; ++i)
      widths[i] = runs[start + at + (reversed ? 7 - i : i)];
    const auto found = ExpandedCharacterValues().find(widths);
    return found == ExpandedCharacterValues().end() ? -1 : found->second;
  };
  std::vector<int> characters;
  for (int at = 0, pair = firstPair; at < count; at += 21, ++pair) {
    if (!IsFinder(runs.data() + start + at + 8, pair % 2 == 1))
      return {};
    characters.push_back(character(at, false));
    if (at + 21 <= count)
      characters.push_back(character(at + 13, true));
  }
  if (std::find(characters.begin(), characters.end(), -1) != characters.end())
    return {};
  return characters;
}

struct ExpandedReading {
  std::vector<int> characters;  // symbol characters, the check character first
  int linearRows = 0;
  int compositeRows = 0;           // rows above the linear part, its separator included
  std::vector<bool> reversedRows;  // top first: the row reads right to left
  std::string bits;                // the data characters' bits
};

// Reads the rows of a whole symbol (top row first, 2D component included). Each linear row is
// read in whichever direction its finders allow; segmentsPerRow tells where each row begins.
inline std::optional<ExpandedReading> ReadExpandedSymbol(const std::vector<std::string>& rows,
                                                         int segmentsPerRow) {
  if (rows.empty())
    return std::nullopt;
  std::vector<std::string> linear;  // bottom first
  int bottom = static_cast<int>(rows.size()) - 1;
  linear.push_back(rows[bottom]);
  while (bottom - 4 >= 0 && IsMiddleSeparator(rows[bottom - 2])) {
    bottom -= 4;
    linear.push_back(rows[bottom]);
  }
  std::reverse(linear.begin(), linear.end());

  ExpandedReading reading;
  reading.linearRows = static_cast<int>(linear.size());
  reading.compositeRows = bottom;
  for (size_t k = 0; k < linear.size(); ++k) {
    const int firstPair = static_cast<int>(k) * segmentsPerRow / 2;
    std::vector<int> characters = ReadRowCharacters(DarkToDarkRuns(linear[k]), firstPair);
    reading.reversedRows.push_back(characters.empty());
    if (characters.empty()) {
      std::string reversed(linear[k].rbegin(), linear[k].rend());
      characters = ReadRowCharacters(DarkToDarkRuns(reversed), firstPair);
    }
    if (characters.empty())
      return std::nullopt;
    reading.characters.insert(reading.characters.end(), characters.begin(), characters.end());
  }
  for (size_t i = 1; i < reading.characters.size(); ++i) {
    for (int bit = 11; bit >= 0; --bit)
      reading.bits += (reading.characters[i] >> bit & 1) ? '1' : '0';
  }
  return reading;
}

struct ExpandedData {
  bool linkage = false;
  std::string method;      // "1", "00", "0100", "0101", "01100", "01101" or "0111" + 3 bits
  std::string compressed;  // the element string the method field stands for
  DecodedData generalPurpose;
  std::string text;  // the whole element string, '#' for FNC1 between fields
  bool variableLengthBitsRight = true;
};

// Decodes the data bits of a symbol of `symbolCharacters` characters.
inline ExpandedData DecodeExpandedBits(const std::string& bits, int symbolCharacters) {
  ExpandedData data;
  size_t at = 0;
  const auto take = [&](int count) {
    int value = 0;
    for (int i = 0; i < count && at < bits.size(); ++i)
      value = value * 2 + (bits[at++] == '1');
    return value;
  };
  const auto digits = [](int value, int count) {
    std::string text = std::to_string(value);
    return std::string(count - std::min<int>(count, static_cast<int>(text.size())), '0') + text;
  };
  const auto checkVariableLength = [&] {
    const int expected = (symbolCharacters % 2) << 1 | (symbolCharacters > 14 ? 1 : 0);
    data.variableLengthBitsRight = take(2) == expected;
  };
  const auto gtin = [&](int indicator) {
    std::string item = std::to_string(indicator);
    for (int group = 0; group < 4; ++group)
      item += digits(take(10), 3);
    return "01" + item + std::to_string(databar::ComputeCheckDigit(item.c_str()));
  };

  data.linkage = take(1) == 1;
  if (take(1) == 1) {
    data.method = "1";
    checkVariableLength();
    const int indicator = take(4);
    data.compressed = gtin(indicator);
  } else if (take(1) == 0) {
    data.method = "00";
    checkVariableLength();
  } else if (take(1) == 0) {
    data.method = take(1) == 0 ? "0100" : "0101";
    data.compressed = gtin(9);
    const int weight = take(15);
    if (data.method == "0100")
      data.compressed += "3103" + digits(weight, 6);
    else if (weight < 10000)
      data.compressed += "3202" + digits(weight, 6);
    else
      data.compressed += "3203" + digits(weight - 10000, 6);
  } else if (take(1) == 0) {
    const bool currency = take(1) == 1;
    data.method = currency ? "01101" : "01100";
    checkVariableLength();
    data.compressed = gtin(9);
    const int decimals = take(2);
    data.compressed += (currency ? "393" : "392") + std::to_string(decimals);
    if (currency)
      data.compressed += digits(take(10), 3);
  } else {
    const int variant = take(3);
    data.method = "0111" + std::string{char('0' + (variant >> 2)), char('0' + (variant >> 1 & 1)),
                                       char('0' + (variant & 1))};
    data.compressed = gtin(9);
    const int weight = take(4) << 16 | take(16);
    data.compressed += std::string(variant & 1 ? "320" : "310") + std::to_string(weight / 100000) +
                       digits(weight % 100000, 6);
    const int date = take(16);
    if (date != 38400) {
      static const char* kDateAis[] = {"11", "13", "15", "17"};
      data.compressed += std::string(kDateAis[variant >> 1]) + digits(date / 384, 2) +
                         digits(date % 384 / 32 + 1, 2) + digits(date % 32, 2);
    }
  }
  // The general-purpose data starts in numeric mode, as after the composite component's method
  // field 0.
  data.generalPurpose = DecodeElementString("0" + bits.substr(std::min(at, bits.size())));
  data.text = data.compressed + data.generalPurpose.text;
  return data;
}

}  // namespace composite::testing
