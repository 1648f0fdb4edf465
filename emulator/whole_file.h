// A file written in one piece, so that no reader ever sees part of it: the bytes go to a
// temporary file beside it (".NAME.tmp-TOKEN", in the same directory, so that the rename stays
// on one file system), which is renamed to NAME once it is complete. A file that cannot be
// written leaves NAME as it was. The path "-" is standard output.
#pragma once

#include <string>
#include <string_view>

#include "emulator/document_writer.h"

namespace emulator {

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes);

// The temporary name WriteWholeFile uses for `path`: its file name with a leading dot and a
// ".tmp-" suffix ending in `token`.
std::string TemporaryNameFor(const std::string& path, std::string_view token);

// For a process that is being stopped (an interrupt): removes every temporary file still being
// written, and makes every later write fail without leaving one. Safe to call from any thread
// while others write; a file already renamed stays, whole.
void AbandonTemporaryFiles();

}  // namespace emulator
