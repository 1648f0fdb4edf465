// Walks a document in paint order and hands each visible thing to a canvas, so that every
// writer paints the same picture: filled and stroked shapes (a compound path is one shape of
// several contours) and lines of point text.
#pragma once

#include <vector>

#include "emulator/document.h"
#include "emulator/page_geometry.h"

namespace emulator {

// How a shape is painted, in page terms.
struct ShapePaint {
  std::optional<Rgb> fill;  // none: not filled
  bool evenOdd = false;
  std::optional<Rgb> stroke;   // none: not stroked
  std::optional<Ink> fillInk;  // the colours as print files state them
  std::optional<Ink> strokeInk;
  double strokeWidth = 1;
  int cap = 0;   // 0 butt, 1 round, 2 projecting
  int join = 0;  // 0 miter, 1 round, 2 bevel
  double miterLimit = 4;
  bool operator==(const ShapePaint&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void MoveTo(PagePoint point) = 0;
  virtual void LineTo(PagePoint point) = 0;
  virtual void CurveTo(PagePoint control1, PagePoint control2, PagePoint point) = 0;
  virtual void ClosePath() = 0;
  // Paints the contours traced since the last paint.
  virtual void Paint(const ShapePaint& paint) = 0;
  virtual void Text(const PointText& text, PagePoint baselineStart) = 0;
  // Around the art of each group inside the layer's first art (a symbol is one such group);
  // canvases that keep no groups ignore them.
  virtual void BeginGroup() {}
  virtual void EndGroup() {}
};

// Paints the art inside the layer's first art.
void PaintDocument(const Document& document, const Page& page, Canvas& canvas);

}  // namespace emulator
