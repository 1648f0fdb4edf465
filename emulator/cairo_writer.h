// Writes a document as PDF, EPS or PNG through cairo. Text is set from the font file the frame
// resolved to, so Japanese glyphs render.
#pragma once

#include <string>

#include "emulator/document_writer.h"

namespace emulator {

enum class CairoFormat { kPdf, kEps, kPng };

WriteResult WriteWithCairo(const Document& document, const std::string& path, CairoFormat format,
                           const WriteOptions& options);

}  // namespace emulator
