#include "TaviStartup.h"
#include "InfoMacros.h"
#include "TaviGlobals.h"
#include "resource.h"

bool BuildInfoFilePath(const CNelStrW& programPath, CNelStrW& infoFile)
{
    const wchar_t* path = programPath.t();
    if (!path)
        return false;
    const wchar_t* dot = wcsrchr(path, L'.');
    if (!dot)
        return false;
    int len = static_cast<int>(dot - path);
    CNelStrW result(len + 8);  // base, ".nelcmi", terminator
    lstrcpynW(result.GetBuff(), path, len + 1);
    lstrcatW(result.GetBuff(), L".nelcmi");
    result.ResetLen();
    infoFile = result;
    return true;
}

void ShowStartupError(UINT textId, UINT captionId, UINT flags, bool expandMacros)
{
    CNelStrW text, caption;
    text.LoadStr(textId, g_hInstance);
    caption.LoadStr(captionId, g_hInstance);
    if (expandMacros)
        ExpandInfoMacros(text);
    MessageBoxW(nullptr, text.t(), caption.t(), flags);
}

StartupMutexResult TakeInstanceMutex(const CNelStrW& name)
{
    if (name.IsEmpty())
        return kMutexTaken;
    HANDLE mutex = CreateMutexW(nullptr, TRUE, name.t());
    if (!mutex)
        return kMutexFailed;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return kMutexAlreadyRunning;
    }
    return kMutexTaken;  // deliberately left open until the process ends
}

HFONT CreateDialogFont()
{
    LOGFONTW lf = {};
    HFONT font = nullptr;
    if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
        font = CreateFontIndirectW(&lf);
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return font;
}

void LoadAppIcons(HICON& small, HICON& large)
{
    small = static_cast<HICON>(LoadImageW(g_hInstance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    large = static_cast<HICON>(LoadImageW(g_hInstance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXICON),
                                          GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
}
