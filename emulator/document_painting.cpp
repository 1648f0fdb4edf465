#include "emulator/document_painting.h"

#include <cstring>

namespace emulator {

namespace {

bool Same(host::RealPoint a, host::RealPoint b) {
  return a.h == b.h && a.v == b.v;
}

// From one anchor to the next: straight when both handles sit on their anchors, else a curve.
void TraceEdge(const host::PathSegment& from, const host::PathSegment& to, const Page& page,
               Canvas& canvas) {
  if (Same(from.out, from.p) && Same(to.in, to.p)) {
    canvas.LineTo(page.ToPage(to.p));
  } else {
    canvas.CurveTo(page.ToPage(from.out), page.ToPage(to.in), page.ToPage(to.p));
  }
}

void TraceContour(const Path& path, const Page& page, Canvas& canvas) {
  const auto& segments = path.segments;
  if (segments.empty())
    return;
  canvas.MoveTo(page.ToPage(segments.front().p));
  for (size_t i = 1; i < segments.size(); ++i)
    TraceEdge(segments[i - 1], segments[i], page, canvas);
  if (!path.closed)
    return;
  // Closing draws the straight edge home by itself; only a curved one must be traced.
  const host::PathSegment& last = segments.back();
  const host::PathSegment& first = segments.front();
  if (!Same(last.out, last.p) || !Same(first.in, first.p))
    TraceEdge(last, first, page, canvas);
  canvas.ClosePath();
}

ShapePaint PaintOf(const host::PathStyle& style) {
  ShapePaint paint;
  if (style.fillPaint) {
    paint.fill = ScreenColour(style.fill.colour);
    paint.fillInk = InkOf(style.fill.colour);
  }
  paint.evenOdd = style.evenOdd;
  if (style.strokePaint) {
    paint.stroke = ScreenColour(style.stroke.colour);
    paint.strokeInk = InkOf(style.stroke.colour);
  }
  paint.strokeWidth = style.stroke.width;
  paint.cap = style.stroke.cap;
  paint.join = style.stroke.join;
  paint.miterLimit = style.stroke.miterLimit;
  return paint;
}

bool SameColour(const host::Colour& a, const host::Colour& b) {
  static_assert(sizeof(host::Colour) == sizeof a.kind + sizeof a.components);  // no padding
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Whether the styles paint alike: the fields PaintOf reads are the same.
bool SamePaint(const host::PathStyle& a, const host::PathStyle& b) {
  return a.fillPaint == b.fillPaint && a.strokePaint == b.strokePaint && a.evenOdd == b.evenOdd &&
         SameColour(a.fill.colour, b.fill.colour) && SameColour(a.stroke.colour, b.stroke.colour) &&
         a.stroke.width == b.stroke.width && a.stroke.cap == b.stroke.cap &&
         a.stroke.join == b.stroke.join && a.stroke.miterLimit == b.stroke.miterLimit;
}

// The paint of the style painted last, made again only when a style paints otherwise: the bars
// of a symbol all share one, and the colour conversions cost more than the comparison.
class PaintOfLastStyle {
 public:
  const ShapePaint& For(const host::PathStyle& style) {
    if (!known_ || !SamePaint(style, style_)) {
      style_ = style;
      paint_ = PaintOf(style);
      known_ = true;
    }
    return paint_;
  }

 private:
  host::PathStyle style_;
  ShapePaint paint_;
  bool known_ = false;
};

// A compound path is painted with the style of its bottom contour, as the host does when it
// makes a compound path from several paths.
const host::PathStyle& CompoundStyle(const Art& compound) {
  return compound.children.empty() ? compound.path.style : compound.children.front()->path.style;
}

void PaintArt(const Art& art, const Page& page, Canvas& canvas, PaintOfLastStyle& paints) {
  switch (art.kind) {
    case ArtKind::kGroup:
      canvas.BeginGroup();
      for (const auto& child : art.children)
        PaintArt(*child, page, canvas, paints);
      canvas.EndGroup();
      break;
    case ArtKind::kPath:
      TraceContour(art.path, page, canvas);
      canvas.Paint(paints.For(art.path.style));
      break;
    case ArtKind::kCompoundPath:
      for (const auto& contour : art.children)
        TraceContour(contour->path, page, canvas);
      canvas.Paint(paints.For(CompoundStyle(art)));
      break;
    case ArtKind::kTextFrame:
      if (!art.text.text.empty())
        canvas.Text(art.text, page.ToPage(art.text.anchor));
      break;
  }
}

}  // namespace

void PaintDocument(const Document& document, const Page& page, Canvas& canvas) {
  PaintOfLastStyle paints;
  for (const auto& child : document.group().children)
    PaintArt(*child, page, canvas, paints);
}

}  // namespace emulator
