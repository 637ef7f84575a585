// What the one body of the help popup (the .inl files of this folder)
// needs; included by NelHelpPopupW.cpp and NelHelpPopupA.cpp before they
// pick their twin.
#pragma once
#include <new>
#include "NelHelpPopup.h"
#include "NelHelpPopupCalls.h"
#include "../WndUtil/NelGdiUtil.h"
#include "../WndUtil/NelWndUtil.h"
#include "../WndUtil/NelWndUtilInternal.h"
