// CNelHelpPopupWndA and CNelHelpPopupMesCtlA: the ANSI code-page twin of the help
// popup, compiled from the shared body.
#include "NelHelpPopupBody.h"

#define NELHP_SELF CNelHelpPopupWndA
#define NELHP_MES CNelHelpPopupMesCtlA
#define NELHP_DATA tagNEL_HELPPOPUPWND_DATAA
#define NELHP_T char
#define NELHP_CALLS NelHpAnsiCalls
#include "NelHelpPopupMesCtl.inl"
#include "NelHelpPopupUnder.inl"
#include "NelHelpPopupWnd.inl"
#include "NelHelpPopupInit.inl"
#include "NelHelpPopupPlace.inl"
#include "NelHelpPopupPaint.inl"
