#include "emulator/eps_writer.h"

#include <cmath>

#include "emulator/print_canvas.h"
#include "emulator/whole_file.h"

namespace emulator {

namespace {

// The path operators the page description shares with PDF, in a dictionary of their own.
constexpr char kProlog[] =
    "%%BeginProlog\n"
    "/BarquillDict 12 dict def\n"
    "BarquillDict begin\n"
    "/q {gsave} bind def /Q {grestore} bind def /cm {6 array astore concat} bind def\n"
    "/m {moveto} bind def /l {lineto} bind def /c {curveto} bind def /h {closepath} bind def\n"
    "/re {4 2 roll moveto 1 index 0 rlineto 0 exch rlineto neg 0 rlineto closepath} bind def\n"
    "end\n"
    "%%EndProlog\n";

std::string Header(const Page& page) {
  std::string header = "%!PS-Adobe-3.0 EPSF-3.0\n%%Creator: Barquill\n%%BoundingBox: 0 0 ";
  header += std::to_string(static_cast<long long>(std::ceil(page.width))) + " " +
            std::to_string(static_cast<long long>(std::ceil(page.height)));
  header += "\n%%HiResBoundingBox: 0 0";
  AppendExact(header, page.width);
  AppendExact(header, page.height);
  header += "\n%%LanguageLevel: 2\n%%Pages: 1\n%%EndComments\n";
  return header;
}

}  // namespace

WriteResult WriteEps(const Document& document, const std::string& path,
                     const WriteOptions& options) {
  const Page page = PageFor(document, options.marginMm);
  PageDescription description;
  description.text = Header(page) + kProlog + "%%Page: 1 1\nBarquillDict begin\n";
  DescribeOnPage(description, document, page, PrintDialect::kPostScript);
  if (!description.error.empty())
    return {description.error};
  description.text += "end\nshowpage\n%%Trailer\n%%EOF\n";
  return WriteWholeFile(path, description.text);
}

}  // namespace emulator
