// Laying symbols out on the pages of a sheet: in order, left to right in rows, rows from the top
// down, a new page when a row no longer fits. A symbol larger than a page gets a page enlarged to
// hold it.
#pragma once

#include <span>
#include <vector>

#include "emulator/document.h"
#include "emulator/document_writer.h"

namespace cli {

struct SheetFormat {
  double width;   // points
  double height;  // points
  double margin;  // around the symbols
  double gap;     // between neighbouring symbols, across and down
};

// A4 portrait with 10 mm margins and 5 mm between symbols.
inline constexpr SheetFormat kA4Sheet = {595.27559, 841.88976, 28.346457, 14.173228};

// Pages holding every document with art, in the documents' order.
std::vector<emulator::SheetPage> LayOutSheet(std::span<const emulator::Document* const> documents,
                                             const SheetFormat& format = kA4Sheet);

}  // namespace cli
