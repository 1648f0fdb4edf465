// Writes a document as a PNG image through cairo, at the resolution it states in the file. Every
// rectangle (bars, spaces, backgrounds) is filled on whole pixels, without anti-aliasing: each
// edge on the pixel boundary nearest to it, so rows that meet share their edge and bars of equal
// width are equally many pixels wide. The art's bounds start on a pixel boundary, so a module
// width of whole pixels puts every module edge on one. Curves and text are anti-aliased; text is
// set from the font file the frame resolved to.
#pragma once

#include <string>

#include "emulator/document_writer.h"

namespace emulator {

WriteResult WritePng(const Document& document, const std::string& path,
                     const WriteOptions& options);

}  // namespace emulator
