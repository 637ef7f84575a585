// CNelMsgBoxA: the ANSI code-page class of the message box.
#include "NelMsgBox.h"
#include "NelMsgBoxCalls.h"
#include "NelMsgBoxRules.h"
#include "../NelModule.h"
#include "../res/resource.h"
#include "../WndUtil/NelGdiUtil.h"
#include "../WndUtil/NelWndUtil.h"
#include "../WndUtil/NelWndUtilInternal.h"

typedef NelMsgBoxAnsiCalls MsgBoxCalls;
#define NELMB_SELF CNelMsgBoxA
#define NELMB_T char
#define NELMB_STR CNelStrA
#define NELMB_HELP tagNEL_MSGBOX_HELPDATAA
#include "NelMsgBoxBody.inl"
