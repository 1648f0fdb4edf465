#include "emulator/document_writer.h"

#include <algorithm>

#include "emulator/eps_writer.h"
#include "emulator/pdf_writer.h"
#include "emulator/png_writer.h"
#include "emulator/svg_writer.h"

namespace emulator {

namespace {

// The part of the file name from its last dot, if the name has one after its last slash.
std::string LowerExtension(const std::string& path) {
  const size_t name = path.find_last_of("/\\") + 1;
  const size_t dot = path.rfind('.');
  std::string extension = dot != std::string::npos && dot > name ? path.substr(dot) : "";
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return extension;
}

}  // namespace

WriteResult WriteDocument(const Document& document, const std::string& path,
                          const WriteOptions& options) {
  const std::string extension = options.format.empty() ? LowerExtension(path) : options.format;
  if (extension == ".svg")
    return WriteSvg(document, path, options);
  if (extension == ".pdf")
    return WritePdf(document, path, options);
  if (extension == ".eps")
    return WriteEps(document, path, options);
  if (extension == ".png")
    return WritePng(document, path, options);
  return {"unknown output format \"" + extension + "\" for " + path +
          " (use .svg, .pdf, .eps or .png)"};
}

WriteResult WriteSheet(std::span<const SheetPage> pages, const std::string& path) {
  const std::string extension = LowerExtension(path);
  if (extension == ".pdf")
    return WritePdfSheet(pages, path);
  if (extension != ".svg")
    return {"a sheet is written as .pdf or .svg, not as " + path};
  if (pages.size() != 1)
    return {"an SVG file holds one page: " + path};
  return WriteSvgPage(pages.front(), path);
}

}  // namespace emulator
