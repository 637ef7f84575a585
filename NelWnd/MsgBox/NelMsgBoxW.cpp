// CNelMsgBoxW: the wide (UTF-16) class of the message box.
#include "NelMsgBox.h"
#include "NelMsgBoxCalls.h"
#include "NelMsgBoxRules.h"
#include "../NelModule.h"
#include "../res/resource.h"
#include "../WndUtil/NelGdiUtil.h"
#include "../WndUtil/NelWndUtil.h"
#include "../WndUtil/NelWndUtilInternal.h"

typedef NelMsgBoxWideCalls MsgBoxCalls;
#define NELMB_SELF CNelMsgBoxW
#define NELMB_T wchar_t
#define NELMB_STR CNelStrW
#define NELMB_HELP tagNEL_MSGBOX_HELPDATAW
#include "NelMsgBoxBody.inl"
