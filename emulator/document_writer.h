// Writes a document as an image file at true size (one document point is one PostScript point),
// flipped so that the art looks as in the host (whose y axis grows upward). The page is the bounds
// of all art plus a margin on each side.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "emulator/document.h"

namespace emulator {

struct WriteOptions {
  double dpi = 600;       // resolution of PNG files
  double marginMm = 1.0;  // blank border around the art on each side
  // A PNG's pixels per point of art where not dpi / 72: a symbol made with a module width of
  // whole pixels, which a length field holds only to a thousandth of a millimetre, is drawn with
  // its module exactly those pixels wide; the file still states dpi.
  double pixelsPerPoint = 0;
  // The format as an extension (".svg", ".pdf", ".eps" or ".png") where the path names none,
  // as "-" (standard output) does; empty: the path's extension decides.
  std::string format;
};

struct WriteResult {
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

// The format follows the file's extension, in any case: .svg, .pdf, .eps or .png. The file is
// written whole or not at all (whole_file.h); the path "-" is standard output.
WriteResult WriteDocument(const Document& document, const std::string& path,
                          const WriteOptions& options = {});

// A document drawn on a sheet page, the top-left corner of its art's bounds at (x, y) points
// from the page's top-left corner.
struct SheetPlacement {
  const Document* document = nullptr;
  double x = 0;
  double y = 0;
};

struct SheetPage {
  double width = 0;  // points
  double height = 0;
  std::vector<SheetPlacement> placements;
};

// Writes pages of placed documents as the extension says: a .pdf file holds every page, an .svg
// file exactly one.
WriteResult WriteSheet(std::span<const SheetPage> pages, const std::string& path);

}  // namespace emulator
