// Writes 24-bit RGB pixels as a PNG file, for the host's screenshots. The image data is stored
// without compression: the files stay simple to write and any PNG reader shows them.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace emulator {

// Pixels are rows top to bottom, each `width` red, green, blue triples; false when the file
// cannot be written.
bool WritePngFile(const std::wstring& path, uint32_t width, uint32_t height,
                  std::span<const uint8_t> pixels);

}  // namespace emulator
