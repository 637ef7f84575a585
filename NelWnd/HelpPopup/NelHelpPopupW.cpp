// CNelHelpPopupWndW and CNelHelpPopupMesCtlW: the wide twin of the help
// popup, compiled from the shared body.
#include "NelHelpPopupBody.h"

#define NELHP_SELF CNelHelpPopupWndW
#define NELHP_MES CNelHelpPopupMesCtlW
#define NELHP_DATA tagNEL_HELPPOPUPWND_DATAW
#define NELHP_T wchar_t
#define NELHP_CALLS NelHpWideCalls
#include "NelHelpPopupMesCtl.inl"
#include "NelHelpPopupUnder.inl"
#include "NelHelpPopupWnd.inl"
#include "NelHelpPopupInit.inl"
#include "NelHelpPopupPlace.inl"
#include "NelHelpPopupPaint.inl"
