// Writes documents as PDF: each page's description in one compressed content stream, grey art in
// DeviceGray, text as filled glyph outlines (see print_canvas.h).
#pragma once

#include <span>
#include <string>

#include "emulator/document_writer.h"

namespace emulator {

WriteResult WritePdf(const Document& document, const std::string& path,
                     const WriteOptions& options);

// Pages of placed documents as one PDF file, each page at its own size.
WriteResult WritePdfSheet(std::span<const SheetPage> pages, const std::string& path);

}  // namespace emulator
