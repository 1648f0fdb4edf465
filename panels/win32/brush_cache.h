// The brushes a panel answers colour requests with: one per colour, made when first asked for,
// kept for the panel's life and deleted with it.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace panels {

class BrushCache {
 public:
  BrushCache() = default;
  ~BrushCache();
  BrushCache(const BrushCache&) = delete;
  BrushCache& operator=(const BrushCache&) = delete;

  // The brush of the colour; null when GDI cannot make one.
  HBRUSH Get(COLORREF colour);
  // Deletes every brush.
  void Clear();

 private:
  std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
};

}  // namespace panels
