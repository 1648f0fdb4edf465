#include "tools/glyphs/glyph_records.h"

#include <cmath>
#include <stdexcept>

namespace glyphs {

namespace {

struct Whole {
  int32_t x = 0;
  int32_t y = 0;
};

Whole Rounded(Point point) {
  return {static_cast<int32_t>(std::lround(point.x)), static_cast<int32_t>(std::lround(point.y))};
}

art::GlyphOutlineRecord AnchorRecord(Whole previous, Point anchor, Point in, Point out) {
  const Whole a = Rounded(anchor);
  const Whole i = Rounded(in);
  const Whole o = Rounded(out);
  return {a.x - previous.x, a.y - previous.y, i.x - a.x, i.y - a.y, o.x - a.x, o.y - a.y};
}

Point ToPoint(int32_t x, int32_t y) {
  return {static_cast<double>(x), static_cast<double>(y)};
}

}  // namespace

GlyphRecords ToRecords(const std::vector<FittedContour>& contours, bool compound) {
  GlyphRecords records;
  Whole previous;
  for (const FittedContour& contour : contours) {
    if (compound)
      records.push_back({});
    for (size_t i = 0; i < contour.size(); ++i) {
      const Cubic& incoming = contour[(i + contour.size() - 1) % contour.size()].curve;
      const Cubic& outgoing = contour[i].curve;
      const art::GlyphOutlineRecord record =
          AnchorRecord(previous, outgoing.p0, incoming.c2, outgoing.c1);
      if (compound && record.startsContour()) {
        throw std::runtime_error("two anchors of a compound glyph round to the same point");
      }
      records.push_back(record);
      previous = Rounded(outgoing.p0);
    }
  }
  return records;
}

std::vector<Contour> FromRecords(const GlyphRecords& records, bool compound) {
  struct Anchor {
    Point position, in, out;
  };
  std::vector<std::vector<Anchor>> anchors;
  if (!compound)
    anchors.emplace_back();
  Point position;
  for (const art::GlyphOutlineRecord& record : records) {
    if (compound && record.startsContour()) {
      anchors.emplace_back();
      continue;
    }
    position = position + ToPoint(record.dx, record.dy);
    if (anchors.empty())
      continue;
    anchors.back().push_back({position, position + ToPoint(record.inDx, record.inDy),
                              position + ToPoint(record.outDx, record.outDy)});
  }
  std::vector<Contour> contours;
  for (const std::vector<Anchor>& contour : anchors) {
    Contour curves;
    for (size_t i = 0; i < contour.size(); ++i) {
      const Anchor& from = contour[i];
      const Anchor& to = contour[(i + 1) % contour.size()];
      curves.push_back({from.position, from.out, to.in, to.position});
    }
    contours.push_back(curves);
  }
  return contours;
}

}  // namespace glyphs
