// Answering a message box from outside, as a click would: the system's box
// (buttons carry their result as control ID) and the library's box
// (buttons sit in numbered slots whose result depends on the button set).
#pragma once
#include <windows.h>

namespace NelBench {

// The button of box that answers result (IDOK, IDYES ...) for the button
// set (style & MB_TYPEMASK), or NULL.
HWND AnswerButton(HWND box, UINT set, int result);

// Posts the click of that button to the box; false when it has none.
bool PostAnswer(HWND box, UINT set, int result);

} // namespace NelBench
