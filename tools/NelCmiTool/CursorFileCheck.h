// Whether a file holds a cursor the system's loader accepts, judged from
// its structure as LoadCursorFromFileW reads it: a directory of images
// (a static cursor; an icon-typed directory loads as a cursor too) or a
// RIFF "ACON" file with an "anih" header and frames (an animated one).
#pragma once
#include <string>
#include "ToolText.h"

struct CursorVerdict {
    bool loads = true;     // false: the loader refuses the file
    Msg reason = Msg::Clean;  // why it does not load (loads == false)
    int directoryType = 2;  // of a static cursor: 1 is an icon, 2 a cursor
    int damagedImages = 0;  // images the loader cannot use, beside usable ones
    bool noFrames = false;  // an animated cursor whose frame list is empty
};

CursorVerdict CheckCursorFile(const std::wstring& path);
