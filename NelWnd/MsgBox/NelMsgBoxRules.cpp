#include "NelMsgBoxRules.h"
#include "../res/resource.h"

namespace {

struct SetRule {
    int results[3];   // slot results, 0 where the slot is unused
    UINT captions[3]; // Japanese caption IDs
    int cancel;       // result of Escape / close box, 0: ignored
};

const SetRule kSets[NEL_MSGBOX_SETS] = {
    {{IDOK, 0, 0}, {IDS_NEL_MB_OK, 0, 0}, IDOK},
    {{IDOK, IDCANCEL, 0}, {IDS_NEL_MB_OK, IDS_NEL_MB_CANCEL, 0}, IDCANCEL},
    {{IDABORT, IDRETRY, IDIGNORE}, {IDS_NEL_MB_ABORT, IDS_NEL_MB_RETRY, IDS_NEL_MB_IGNORE}, 0},
    {{IDYES, IDNO, IDCANCEL}, {IDS_NEL_MB_YES, IDS_NEL_MB_NO, IDS_NEL_MB_CANCEL}, IDCANCEL},
    {{IDYES, IDNO, 0}, {IDS_NEL_MB_YES, IDS_NEL_MB_NO, 0}, 0},
    {{IDRETRY, IDCANCEL, 0}, {IDS_NEL_MB_RETRY, IDS_NEL_MB_CANCEL, 0}, IDCANCEL},
    {{IDCANCEL, IDTRYAGAIN, IDCONTINUE}, {IDS_NEL_MB_CANCEL, IDS_NEL_MB_TRYAGAIN, IDS_NEL_MB_CONTINUE},
     IDCANCEL},
};

const int kSlotControls[3] = {IDC_NEL_MSGBOX_BTN1, IDC_NEL_MSGBOX_BTN2, IDC_NEL_MSGBOX_BTN3};

template <typename Char>
BOOL LayoutIsEnglish(BOOL readable, const Char* name)
{
    if (!readable || !name)
        return FALSE;
    int len = 0;
    while (name[len])
        ++len;
    if (len < 3)
        return TRUE;
    return !(name[len - 3] == '4' && name[len - 2] == '1' && name[len - 1] == '1');
}

} // namespace

int NelMsgBoxButtonCount(UINT set)
{
    if (set >= NEL_MSGBOX_SETS)
        return 0;
    int n = 0;
    for (int r : kSets[set].results)
        n += r != 0;
    return n;
}

int NelMsgBoxSlotResult(UINT set, int slot)
{
    if (set >= NEL_MSGBOX_SETS || slot < 1 || slot > 3)
        return 0;
    return kSets[set].results[slot - 1];
}

int NelMsgBoxCancelResult(UINT set) { return set < NEL_MSGBOX_SETS ? kSets[set].cancel : 0; }

UINT NelMsgBoxCaptionID(UINT set, int slot, BOOL english)
{
    if (set >= NEL_MSGBOX_SETS || slot < 1 || slot > 3)
        return 0;
    UINT id = kSets[set].captions[slot - 1];
    return (id && english) ? id + 1 : id;
}

int NelMsgBoxDefaultSlot(UINT type)
{
    switch (type & MB_DEFMASK) {
    case MB_DEFBUTTON2:
        return 2;
    case MB_DEFBUTTON3:
        return 3;
    default:
        return 1;
    }
}

UINT NelMsgBoxBitmapID(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
        return IDB_NEL_MSGBOX_ERROR;
    case MB_ICONQUESTION:
        return IDB_NEL_MSGBOX_QUESTION;
    case MB_ICONINFORMATION:
        return IDB_NEL_MSGBOX_INFO;
    default:
        return IDB_NEL_MSGBOX_WARNING;
    }
}

UINT NelMsgBoxSound(UINT type)
{
    UINT icon = type & MB_ICONMASK;
    if (icon == MB_ICONERROR || icon == MB_ICONQUESTION || icon == MB_ICONINFORMATION)
        return icon;
    return MB_ICONWARNING;
}

int NelMsgBoxSlotControl(int slot) { return (slot >= 1 && slot <= 3) ? kSlotControls[slot - 1] : 0; }

int NelMsgBoxControlSlot(int id)
{
    for (int i = 0; i < 3; ++i)
        if (kSlotControls[i] == id)
            return i + 1;
    return 0;
}

BOOL NelMsgBoxLayoutIsEnglish(BOOL readable, const wchar_t* name) { return LayoutIsEnglish(readable, name); }
BOOL NelMsgBoxLayoutIsEnglish(BOOL readable, const char* name) { return LayoutIsEnglish(readable, name); }
