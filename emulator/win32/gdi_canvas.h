// Paints a document into a device context: the host window's view of the open document.
#pragma once

#include <windows.h>

#include "emulator/document.h"

namespace emulator {

// Draws the document's page, scaled to fit the rectangle and centred in it; nothing but the
// background when no document is open.
void PaintDocumentView(HDC dc, const RECT& area, const Document* document);

}  // namespace emulator
