// Reading back the page descriptions the PDF and EPS writers make: the content streams of a PDF
// file, inflated, and the rectangles painted in them with their grey.
#pragma once

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace emulator {

// The content streams of a PDF file this project wrote, inflated and joined.
inline std::string PdfContent(const std::string& pdf) {
  std::string content;
  const std::regex stream("/Length (\\d+) /Filter /FlateDecode >>\nstream\n");
  for (auto match = std::sregex_iterator(pdf.begin(), pdf.end(), stream);
       match != std::sregex_iterator(); ++match) {
    const std::string compressed =
        pdf.substr(match->position() + match->length(), std::stoul((*match)[1]));
    std::string inflated(1 << 22, '\0');
    uLongf size = inflated.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(inflated.data()), &size,
                         reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()),
              Z_OK);
    content += inflated.substr(0, size);
  }
  EXPECT_FALSE(content.empty());
  return content;
}

struct PaintedRectangle {
  double x, y, width, height;
  std::string colour;  // the colour operation before it, e.g. "0 g"
};

// The rectangles of a page description, one painted per line, each with the colour it is
// painted in (set on its line, or earlier).
inline std::vector<PaintedRectangle> PaintedRectangles(const std::string& description) {
  std::vector<PaintedRectangle> rectangles;
  const std::regex rectangle("(\\S+) (\\S+) (\\S+) (\\S+) re\\b");
  const std::regex colour("(\\S+) (g|setgray)\\b");
  std::string current;
  std::istringstream lines(description);
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (std::regex_search(line, m, colour))
      current = m[1].str() + " " + m[2].str();
    if (!std::regex_search(line, m, rectangle))
      continue;
    const auto number = [&m](int i) { return std::strtod(m[i].str().c_str(), nullptr); };
    rectangles.push_back({number(1), number(2), number(3), number(4), current});
  }
  return rectangles;
}

}  // namespace emulator
