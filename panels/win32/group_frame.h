// The group frame: an owner-drawn button that only frames a block of fields. Clicks fall through
// it to the controls it surrounds, and dialog navigation takes it for a static.
#pragma once

#include <windows.h>

namespace panels {

// Subclasses the button; false when it cannot be.
bool AttachGroupFrame(HWND frame);
// Gives the button its own procedure back.
void DetachGroupFrame(HWND frame);

}  // namespace panels
