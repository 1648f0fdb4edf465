#include "art/rectangle.h"

#include "host/suite_pointers.h"

namespace art {

void SetFilledStyle(RectangleTarget& target, host::ArtHandle path, const host::Colour& colour) {
  host::sPathStyle->GetPathStyle(path, &target.style);
  target.style.fillPaint = true;
  target.style.strokePaint = false;
  target.style.fill.colour.kind = colour.kind;
  for (int i = 0; i < 3; ++i) target.style.fill.colour.components[i] = colour.components[i];
  target.style.clip = false;
  host::sPathStyle->SetPathStyle(path, &target.style);
}

namespace {

host::PathSegment Corner(host::Real h, host::Real v) {
  host::PathSegment segment;
  segment.p = segment.in = segment.out = {h, v};
  segment.corner = true;
  return segment;
}

}  // namespace

void AddRectangle(RectangleTarget& target, host::Fixed left, host::Fixed bottom, host::Fixed right,
                  host::Fixed top, const host::Colour& colour) {
  host::ArtHandle path = nullptr;
  host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop, target.group, &path);
  if (path == nullptr) return;
  SetFilledStyle(target, path, colour);
  host::sPath->SetPathSegmentCount(path, 4);
  const host::FixedRect fixed{left, top, right, bottom};
  host::RealRect real;
  host::sRealMath->FixedRectToRealRect(&fixed, &real);
  const host::PathSegment segments[4] = {
      Corner(real.left, real.bottom), Corner(real.right, real.bottom),
      Corner(real.right, real.top), Corner(real.left, real.top)};
  host::sPath->SetPathSegments(path, 0, 4, segments);
  host::sPath->SetPathClosed(path, true);
}

}  // namespace art
