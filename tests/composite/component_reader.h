// Reads the rows of a composite component back: modules as text, and each row's row address
// patterns and codewords looked up in the pattern tables, as a reader of the symbol would.
#pragma once

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "composite/codeword_patterns.h"
#include "composite/row_address_patterns.h"
#include "core/symbol_records.h"

namespace composite::testing {

// Elements of a row up to its end (the row buffer holds zeros after it).
inline int RowLength(const databar::ElementWidth* row) {
  int n = 1;
  while (n < databar::kCompositeRowCapacity && row[n] != 0)
    ++n;
  return n;
}

// The row as '0' (light) and '1' (dark) modules.
inline std::string RowModules(const databar::ElementWidth* row) {
  std::string modules;
  const int n = RowLength(row);
  for (int e = 0; e < n; ++e)
    modules.append(row[e], e % 2 ? '1' : '0');
  return modules;
}

struct Codeword {
  int value = -1;
  int cluster = -1;  // 0, 3 or 6
};

struct ReadRow {
  int elements = 0;
  int modules = 0;
  int left = 0;  // row addresses 1..52; 0 where the layout has no such pattern
  int centre = 0;
  int right = 0;
  std::vector<Codeword> codewords;
};

template <int N>
std::array<databar::ElementWidth, N> Take(const databar::ElementWidth* row, int& at) {
  std::array<databar::ElementWidth, N> widths{};
  for (int i = 0; i < N; ++i)
    widths[i] = row[at++];
  return widths;
}

inline int FindAddress(const databar::ElementWidth (&table)[52][6],
                       const std::array<databar::ElementWidth, 6>& widths) {
  for (int i = 0; i < 52; ++i) {
    if (std::equal(widths.begin(), widths.end(), table[i]))
      return i + 1;
  }
  return -1;
}

inline Codeword FindCodeword(const std::array<databar::ElementWidth, 8>& widths) {
  static const auto index = [] {
    std::map<std::array<databar::ElementWidth, 8>, Codeword> map;
    for (int t = 0; t < 3; ++t) {
      for (int v = 0; v < 929; ++v)
        map[CodewordPattern(t, v)] = Codeword{v, t * 3};
    }
    return map;
  }();
  const auto found = index.find(widths);
  return found == index.end() ? Codeword{} : found->second;
}

// Reads one row by its element count: 31 (2 columns), 39 (3 columns CC-A), 45 (3 columns
// CC-B) or 53 (4 columns). Unknown layouts come back with no patterns read.
inline ReadRow ReadComponentRow(const databar::ElementWidth* row) {
  ReadRow out;
  out.elements = RowLength(row);
  for (int e = 0; e < out.elements; ++e)
    out.modules += row[e];
  int at = 1;
  const auto side = [&] { return FindAddress(kSideRowAddressPatterns, Take<6>(row, at)); };
  const auto centre = [&] { return FindAddress(kCentreRowAddressPatterns, Take<6>(row, at)); };
  const auto codeword = [&] { out.codewords.push_back(FindCodeword(Take<8>(row, at))); };
  switch (out.elements) {
    case 31:
      out.left = side();
      codeword();
      codeword();
      out.right = side();
      break;
    case 39:
      codeword();
      out.centre = centre();
      codeword();
      codeword();
      out.right = side();
      break;
    case 45:
      out.left = side();
      codeword();
      out.centre = centre();
      codeword();
      codeword();
      out.right = side();
      break;
    case 53:
      out.left = side();
      codeword();
      codeword();
      out.centre = centre();
      codeword();
      codeword();
      out.right = side();
      break;
  }
  return out;
}

// Reads a row given as modules that begin and end with a bar (margins removed).
inline ReadRow ReadModuleRow(const std::string& modules) {
  std::array<databar::ElementWidth, databar::kCompositeRowCapacity + 1> widths{};
  int count = 0;
  widths[count++] = 1;
  for (size_t i = 0; i < modules.size() && count < databar::kCompositeRowCapacity; ++count) {
    const size_t run = modules.find_first_not_of(modules[i], i);
    widths[count] =
        static_cast<databar::ElementWidth>((run == std::string::npos ? modules.size() : run) - i);
    i += widths[count];
  }
  if (count < databar::kCompositeRowCapacity)
    widths[count] = 1;
  return ReadComponentRow(widths.data());
}

}  // namespace composite::testing
