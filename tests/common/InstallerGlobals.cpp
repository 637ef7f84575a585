#include "InstallerGlobals.h"
#include "DialogClass.h"
#include "TaviGlobals.h"
#include "TaviStartup.h"

namespace NelTest {

InstallerGlobals::InstallerGlobals()
{
    g_hDlgFont = CreateDialogFont();
    LoadAppIcons(g_hIconSmall, g_hIconLarge);
    m_class = RegisterDialogClass(g_hInstance);
}

InstallerGlobals::~InstallerGlobals()
{
    if (m_class)
        UnregisterClassW(MAKEINTATOM(m_class), g_hInstance);
    DeleteObject(g_hDlgFont);
    if (g_hIconSmall)
        DestroyIcon(g_hIconSmall);
    if (g_hIconLarge)
        DestroyIcon(g_hIconLarge);
    g_hDlgFont = nullptr;
    g_hIconSmall = g_hIconLarge = nullptr;
}

} // namespace NelTest
