#include "art/rectangle.h"

#include "host/suite_pointers.h"

namespace art {

host::ErrorCode SetFilledStyle(RectangleTarget& target, host::ArtHandle path,
                               const host::Colour& colour) {
  if (const host::ErrorCode error = host::sPathStyle->GetPathStyle(path, &target.style))
    return error;
  target.style.fillPaint = true;
  target.style.strokePaint = false;
  target.style.fill.colour.kind = colour.kind;
  for (int i = 0; i < 3; ++i)
    target.style.fill.colour.components[i] = colour.components[i];
  target.style.clip = false;
  return host::sPathStyle->SetPathStyle(path, &target.style);
}

namespace {

host::PathSegment Corner(host::Real h, host::Real v) {
  host::PathSegment segment;
  segment.p = segment.in = segment.out = {h, v};
  segment.corner = true;
  return segment;
}

// Everything after the path's creation: its style, its corners, closing it.
host::ErrorCode FinishRectangle(RectangleTarget& target, host::ArtHandle path, host::Fixed left,
                                host::Fixed bottom, host::Fixed right, host::Fixed top,
                                const host::Colour& colour) {
  if (const host::ErrorCode error = SetFilledStyle(target, path, colour))
    return error;
  if (const host::ErrorCode error = host::sPath->SetPathSegmentCount(path, 4))
    return error;
  const host::FixedRect fixed{left, top, right, bottom};
  host::RealRect real;
  host::sRealMath->FixedRectToRealRect(&fixed, &real);
  const host::PathSegment segments[4] = {Corner(real.left, real.bottom),
                                         Corner(real.right, real.bottom),
                                         Corner(real.right, real.top), Corner(real.left, real.top)};
  if (const host::ErrorCode error = host::sPath->SetPathSegments(path, 0, 4, segments)) {
    return error;
  }
  return host::sPath->SetPathClosed(path, true);
}

}  // namespace

host::ErrorCode AddRectangle(RectangleTarget& target, host::Fixed left, host::Fixed bottom,
                             host::Fixed right, host::Fixed top, const host::Colour& colour) {
  host::ArtHandle path = nullptr;
  const host::ErrorCode made =
      host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop, target.group, &path);
  if (made != host::kNoError || path == nullptr)
    return made;
  const host::ErrorCode error = FinishRectangle(target, path, left, bottom, right, top, colour);
  if (error != host::kNoError)
    host::sArt->DisposeArt(path);
  return error;
}

}  // namespace art
