// Cursor files written byte by byte, for tests that load, check or
// install them.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace NelTest {

// The bytes of a .cur file with one opaque image of one colour: 32 bits
// per pixel, or 1 bit per pixel (monochrome, white). type is the
// directory's type: 2 for a cursor, 1 for an icon.
std::string CursorFile(int size, COLORREF color, bool monochrome = false, unsigned type = 2);

// The bytes of an .ani file: RIFF "ACON" with an "anih" header (unless
// withHeader is false) and a LIST "fram" of one "icon" chunk per frame
// (each a whole .cur file).
std::string AnimatedCursorFile(const std::vector<std::string>& frames, bool withRateAndSeq,
                               bool withHeader = true);

// One RIFF chunk: id, size, data, padded to an even length.
std::string RiffChunk(const char* id, const std::string& data);

} // namespace NelTest
