// A small program that shows one box through NelMsgBoxW with help texts
// and exits with the box's result. The tests run copies of it under
// Windows versions that Wine reports per program name.
#include <windows.h>
#include "MsgBoxEntry.h"

int main()
{
    tagNEL_MSGBOX_HELPDATAW help = {0x011, L"Help of Yes", L"Help of No", nullptr, nullptr,
                                    RGB(16, 200, 48), RGB(200, 0, 0), nullptr};
    return MsgBoxTest::MsgBoxW(L"Host message", L"MsgBoxHost caption", MB_YESNO | MB_ICONQUESTION, nullptr, nullptr,
                      &help);
}
