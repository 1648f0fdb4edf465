// Numbers in SVG files: the shortest text that reads back as exactly the value. The document's
// coordinates are single-precision numbers, so a value that is one is written as the shortest
// text that reads back as that single-precision number; any other value as the shortest text
// that reads back as its double.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace emulator {

// Room for any number's text.
constexpr size_t kMostNumberCharacters = 32;

// Writes the value into room for kMostNumberCharacters; returns the end of its text.
char* WriteNumber(char* out, double value);

void AppendNumber(std::string& text, double value);

// Writes numbers as WriteNumber does, remembering the text of recent ones: a path repeats its
// coordinates (each corner of a rectangle shares them with its neighbours) and the bars of a row
// share their top and bottom, so most numbers of a page were just written.
class NumberWriter {
 public:
  char* Write(char* out, double value);

 private:
  struct Written {
    uint64_t bits = 0;   // the value's representation; -0 and 0 are written differently
    uint8_t length = 0;  // 0: nothing remembered yet
    char text[kMostNumberCharacters];
  };
  // Room for the columns of a 2D component, whose module edges recur in every row of it.
  static constexpr int kSlotBits = 8;
  std::array<Written, size_t{1} << kSlotBits> recent_{};
};

}  // namespace emulator
