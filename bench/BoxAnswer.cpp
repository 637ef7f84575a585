#include "BoxAnswer.h"
#include "MsgBox/NelMsgBoxRules.h"

namespace NelBench {

HWND AnswerButton(HWND box, UINT set, int result)
{
    for (int slot = 1; slot <= 3; ++slot)
        if (NelMsgBoxSlotResult(set, slot) == result)
            if (HWND button = GetDlgItem(box, NelMsgBoxSlotControl(slot)))
                return button;
    return GetDlgItem(box, result);
}

bool PostAnswer(HWND box, UINT set, int result)
{
    HWND button = AnswerButton(box, set, result);
    if (!button)
        return false;
    return PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != FALSE;
}

} // namespace NelBench
