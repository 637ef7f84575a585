// The main dialog's window class: the system dialog class with the
// program's icons, so that the caption and the task bar show them.
#pragma once
#include <windows.h>

// Registers the class named by string 109 for module inst; returns its
// atom, 0 on failure (not reported: the dialog then cannot be created).
ATOM RegisterDialogClass(HINSTANCE inst);
