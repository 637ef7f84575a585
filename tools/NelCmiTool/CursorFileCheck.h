// Whether a file holds a cursor the system can load: a static cursor
// (icon directory of type 2) or an animated one (RIFF "ACON" with an
// "anih" header chunk).
#pragma once
#include <string>
#include "ToolText.h"

// True when the file looks valid; otherwise reason says why.
bool IsCursorFileValid(const std::wstring& path, Msg& reason);
