// Writes a document as Encapsulated PostScript: its bounding box is the page with its margin,
// grey art is painted with setgray, text as filled glyph outlines (see print_canvas.h).
#pragma once

#include <string>

#include "emulator/document_writer.h"

namespace emulator {

WriteResult WriteEps(const Document& document, const std::string& path,
                     const WriteOptions& options);

}  // namespace emulator
