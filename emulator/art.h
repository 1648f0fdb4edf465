// One node of the document's art tree. Groups hold any art, compound paths hold paths; children
// are kept bottom to top, so the last child is painted last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "emulator/resolved_font.h"
#include "emulator/segment_list.h"
#include "host/colour.h"
#include "host/geometry.h"
#include "host/suites.h"

namespace emulator {

enum class ArtKind { kGroup, kPath, kCompoundPath, kTextFrame };

struct Path {
  SegmentList segments;
  bool closed = false;
  host::PathStyle style;
};

// Point text: one line starting at the anchor, which lies on the baseline.
struct PointText {
  host::RealPoint anchor;
  int32_t orientation = host::kHorizontalText;
  std::u16string text;
  std::string requestedFont;  // the font name the plug-in asked for
  ResolvedFont font;          // the font the text is set in
  host::Real size = 12;
  TextExtent extent;  // measured from the font whenever text, font or size change
};

// Gives the memory kept for this thread's next arts back to the system.
void ReleaseFreeArts() noexcept;

struct Art {
  Art(ArtKind artKind, Art* parentArt) : kind(artKind), parent(parentArt) {}

  // Arts are made and destroyed by the hundred for every symbol; each thread keeps the memory of
  // the arts it destroys for the next ones it makes (see art_memory.cpp).
  static void* operator new(size_t size);
  static void operator delete(void* art, size_t size) noexcept;

  const ArtKind kind;
  Art* const parent;  // null for the layer's first art
  std::vector<std::unique_ptr<Art>> children;
  Path path;       // kPath only; a compound path's own style lives here too
  PointText text;  // kTextFrame only
};

}  // namespace emulator
