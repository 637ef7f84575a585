// What the style word of a message box selects: buttons, captions, results,
// picture and sound. Shared by both message-box classes.
#pragma once
#include <windows.h>

enum { NEL_MSGBOX_SETS = 7 };

// Number of buttons of a button set (type & MB_TYPEMASK); 0 for sets the
// box does not support (7 to 15).
int NelMsgBoxButtonCount(UINT set);
// The result of pressing slot 1, 2 or 3 of a set; 0 for an unused slot and
// for unsupported sets.
int NelMsgBoxSlotResult(UINT set, int slot);
// The result of Escape and the close box; 0 when the set ignores them.
int NelMsgBoxCancelResult(UINT set);
// String ID of the Japanese caption of a slot (the English one follows it),
// 0 for an unused slot.
UINT NelMsgBoxCaptionID(UINT set, int slot, BOOL english);
// Default slot (1 to 3) from the style word.
int NelMsgBoxDefaultSlot(UINT type);
// Bitmap resource and MessageBeep sound of the style word's picture field.
UINT NelMsgBoxBitmapID(UINT type);
UINT NelMsgBoxSound(UINT type);
// Control ID of slot 1, 2 or 3, and the slot of a control ID (0: none).
int NelMsgBoxSlotControl(int slot);
int NelMsgBoxControlSlot(int id);
// TRUE when a keyboard layout name selects the English captions: readable
// and not ending in the Japanese language ID "411".
BOOL NelMsgBoxLayoutIsEnglish(BOOL readable, const wchar_t* name);
BOOL NelMsgBoxLayoutIsEnglish(BOOL readable, const char* name);
