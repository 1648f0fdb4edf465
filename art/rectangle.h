// One filled, unstroked, closed four-point path inside a group: the bar, space and background
// rectangles of every symbol.
#pragma once

#include "host/colour.h"
#include "host/error.h"
#include "host/geometry.h"
#include "host/handles.h"

namespace art {

// The art target's state for drawing rectangles: the group that receives them and a path style
// record used as scratch space for each one.
struct RectangleTarget {
  host::ArtHandle group = nullptr;
  host::PathStyle style;
};

// Gives the path the target's scratch style: the path's own style with fill on, stroke off, the
// fill colour (kind and first three components) and clip off; host calls get then set path style.
// Returns the code of the first of them that fails, or 0.
host::ErrorCode SetFilledStyle(RectangleTarget& target, host::ArtHandle path,
                               const host::Colour& colour);

// Creates the rectangle on top inside the group, with the host calls in this order: new path
// art, get its style, set fill on, stroke off, the fill colour and clip off, set the style, set
// 4 segments, convert the fixed rectangle to real, set the segments (left,bottom) (right,bottom)
// (right,top) (left,top) as corner points, close the path.
//
// Returns 0, or the code of the first host call that failed. A path the host made is then
// disposed of again, so that no unfinished rectangle (black where it should be white, without
// its corners or open) stays in the document. Nothing is done to a path the host did not make.
host::ErrorCode AddRectangle(RectangleTarget& target, host::Fixed left, host::Fixed bottom,
                             host::Fixed right, host::Fixed top, const host::Colour& colour);

}  // namespace art
