// A file written in one piece: made or emptied, then given all its bytes.
#pragma once

#include <string>
#include <string_view>

#include "emulator/document_writer.h"

namespace emulator {

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace emulator
