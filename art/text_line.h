// One line of human-readable text as a point-text frame: "MS-Gothic" at 8 points, anchored at its
// baseline start, on top inside a group. Shared by every symbol's text frames.
#pragma once

#include <cstddef>
#include <string_view>

#include "host/fixed.h"
#include "host/handles.h"

namespace art {

// Size, in bytes, of the UTF-16 buffer the text is converted into: the DataBar lines use the
// largest, the GS1-128 text its own smaller one.
constexpr std::size_t kTextLineBufferBytes = 1024;
constexpr std::size_t kMedical128TextBufferBytes = 255;

// Makes the frame at (x, y) inside the group and returns its measured height (top − bottom of its
// bounds) in points. The text is ASCII; what does not fit the buffer (bufferBytes, at most
// kTextLineBufferBytes) is not shown.
//
// Host calls, in order: fixed to real point; new point text (inside on top, horizontal); its text
// range; character conversion (platform encoding to UTF-16); insert into the range; find the font
// "MS-Gothic" (lookup 101, script 1, substitution 1) and its text-engine font; new character
// features with that font and 8 points, applied to the range as local features; the frame's
// bounds.
//
// Throws ATE::Exception with the host's code when any of these calls fails but the conversion to
// real; a frame already made is then disposed of again, so that no frame stays without its text,
// its font or its place, while the art made before it stays in the group.
host::Real MakeTextLine(host::ArtHandle group, host::Fixed x, host::Fixed y, std::string_view text,
                        std::size_t bufferBytes = kTextLineBufferBytes);

}  // namespace art
