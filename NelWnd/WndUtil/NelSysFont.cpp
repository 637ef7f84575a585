// Fonts the system uses for captions, menus, messages, status bars and
// icon titles.
#include "NelWndUtilInternal.h"
#include "NelWndCalls.h"

namespace {

typedef NelBuildCalls::LogFont LogFont;
typedef NelBuildCalls::NonClientMetrics NonClientMetrics;

const LogFont* PickFont(const NonClientMetrics& metrics, UINT kind)
{
    switch (kind) {
    case NEL_SYSFONT_CAPTION: return &metrics.lfCaptionFont;
    case NEL_SYSFONT_MENU: return &metrics.lfMenuFont;
    case NEL_SYSFONT_MESSAGE: return &metrics.lfMessageFont;
    case NEL_SYSFONT_STATUS: return &metrics.lfStatusFont;
    default: return &metrics.lfSmCaptionFont;
    }
}

} // namespace

HFONT NelCreateIconTitleFont()
{
    LogFont font = {};
    if (!NelBuildCalls::SysParams(SPI_GETICONTITLELOGFONT, sizeof(font), &font))
        return nullptr;
    return NelBuildCalls::FontIndirect(&font);
}

HFONT NelCreateSysFont(UINT kind)
{
    if (kind < NEL_SYSFONT_CAPTION || kind > NEL_SYSFONT_SMCAPTION)
        return NelCreateIconTitleFont();
    NonClientMetrics metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!NelBuildCalls::SysParams(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics))
        return nullptr;
    return NelBuildCalls::FontIndirect(PickFont(metrics, kind));
}
