#include "emulator/art_bounds.h"

#include <algorithm>

namespace emulator {

namespace {

host::RealRect PointRect(host::RealPoint p) {
  return {p.h, p.v, p.h, p.v};
}

host::RealRect Union(const host::RealRect& a, const host::RealRect& b) {
  return {std::min(a.left, b.left), std::max(a.top, b.top), std::max(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

void Include(std::optional<host::RealRect>& bounds, const host::RealRect& rect) {
  bounds = bounds ? Union(*bounds, rect) : rect;
}

std::optional<host::RealRect> PathBounds(const Path& path) {
  std::optional<host::RealRect> bounds;
  for (const host::PathSegment& segment : path.segments)
    Include(bounds, PointRect(segment.p));
  return bounds;
}

std::optional<host::RealRect> ChildrenBounds(const Art& art) {
  std::optional<host::RealRect> bounds;
  for (const auto& child : art.children) {
    if (const auto childBounds = ArtBounds(*child))
      Include(bounds, *childBounds);
  }
  return bounds;
}

host::RealRect TextBounds(const PointText& text) {
  return {text.anchor.h, text.anchor.v + text.extent.ascent, text.anchor.h + text.extent.advance,
          text.anchor.v - text.extent.descent};
}

}  // namespace

std::optional<host::RealRect> ArtBounds(const Art& art) {
  switch (art.kind) {
    case ArtKind::kPath:
      return PathBounds(art.path);
    case ArtKind::kTextFrame:
      return TextBounds(art.text);
    case ArtKind::kGroup:
    case ArtKind::kCompoundPath:
      break;
  }
  return ChildrenBounds(art);
}

}  // namespace emulator
