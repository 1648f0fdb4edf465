// Writes a document as PDF, EPS or PNG through cairo. Text is set from the font file the frame
// resolved to, so Japanese glyphs render.
#pragma once

#include <span>
#include <string>

#include "emulator/document_writer.h"

namespace emulator {

enum class CairoFormat { kPdf, kEps, kPng };

WriteResult WriteWithCairo(const Document& document, const std::string& path, CairoFormat format,
                           const WriteOptions& options);

// Pages of placed documents as one PDF file, each page at its own size.
WriteResult WritePdfSheet(std::span<const SheetPage> pages, const std::string& path);

}  // namespace emulator
