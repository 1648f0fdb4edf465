// The panels' owner-drawn controls: drawing the push buttons, the bitmap buttons and the group
// frames, and the group frame's own procedure. A group frame is an owner-drawn button that only
// frames a block of fields: clicks fall through it to the controls it surrounds, and dialog
// navigation takes it for a static.
#pragma once

#include <windows.h>

namespace panels {

// A push button: a raised edge, sunken while pressed, on the button face, with its text centred
// on one line in the panel font and the button ink.
void DrawPushButton(const DRAWITEMSTRUCT& item, HFONT font, HBRUSH face);

// The 18 x 18 bitmap button: the bitmap copied to the button's top left. Nothing without one.
void DrawBitmapButton(const DRAWITEMSTRUCT& item, HBITMAP bitmap);

// A group frame: filled with the panel colour, an etched edge whose top runs through the middle
// of the caption, and the caption 7 pixels in from the left on the panel colour.
void DrawGroupFrame(const DRAWITEMSTRUCT& item, HFONT font, COLORREF panelColour,
                    HBRUSH panelBrush);

// Subclasses the group frame's button; false when it cannot be.
bool AttachGroupFrame(HWND frame);
// Gives the button its own procedure back.
void DetachGroupFrame(HWND frame);

}  // namespace panels
