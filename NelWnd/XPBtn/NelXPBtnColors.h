// The colours of one drawing of the XP-style button, derived from the
// current system colours and the visual state. Internal to the button.
#pragma once
#include <windows.h>

struct NelXPBtnColors {
    COLORREF outerTL;  // outer top and left strips
    COLORREF outerBR;  // outer bottom and right strips
    COLORREF inner;    // face area
    COLORREF innerTL;  // inner top and left strips
    COLORREF innerBR;  // inner bottom and right strips
    COLORREF outline;  // outline pen
    COLORREF corner1;  // outer corner softening pen
    COLORREF corner2;  // inner corner softening pen
    COLORREF text;     // caption
};

// The colours for state (0 normal, 1 pressed, 5 focused, 6 hot, 9
// disabled; anything else draws in black). faceLight and captionDark are
// the button's GetFaceLightColor and GetCaptionDarkColor.
NelXPBtnColors NelXPBtnStateColors(int state, COLORREF faceLight, COLORREF captionDark);

// The hot or focus accent over the inner strips (states 5 and 6 only).
void NelXPBtnDrawAccent(HDC dc, const RECT& r, int state, const NelXPBtnColors& c);
