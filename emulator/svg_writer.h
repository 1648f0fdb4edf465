// Writes a document as SVG, by hand: no library needed.
#pragma once

#include <memory>
#include <string>

#include "emulator/document_writer.h"

namespace emulator {

// What a run of SVG files reuses from one file to the next: buffers grown to a file's size and
// the outlines of shapes seen before. An emulator keeps one, so that a batch's worker neither
// allocates nor grows them for each file; a file written while no emulator is current has its own.
struct SvgBuffers;
struct SvgBuffersDeleter {
  void operator()(SvgBuffers* buffers) const;
};
using SvgBuffersPointer = std::unique_ptr<SvgBuffers, SvgBuffersDeleter>;

WriteResult WriteSvg(const Document& document, const std::string& path,
                     const WriteOptions& options);

// One page of placed documents.
WriteResult WriteSvgPage(const SheetPage& page, const std::string& path);

}  // namespace emulator
