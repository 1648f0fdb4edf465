// Writes a document as SVG, by hand: no library needed.
#pragma once

#include <string>

#include "emulator/document_writer.h"

namespace emulator {

WriteResult WriteSvg(const Document& document, const std::string& path,
                     const WriteOptions& options);

// One page of placed documents.
WriteResult WriteSvgPage(const SheetPage& page, const std::string& path);

}  // namespace emulator
