#include "panels/win32/brush_cache.h"

namespace panels {

BrushCache::~BrushCache() {
  Clear();
}

HBRUSH BrushCache::Get(COLORREF colour) {
  for (const auto& [known, brush] : brushes_) {
    if (known == colour)
      return brush;
  }
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush != nullptr)
    brushes_.emplace_back(colour, brush);
  return brush;
}

void BrushCache::Clear() {
  for (const auto& entry : brushes_)
    DeleteObject(entry.second);
  brushes_.clear();
}

}  // namespace panels
