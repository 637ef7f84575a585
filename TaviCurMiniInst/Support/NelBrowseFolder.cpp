// The folder-selection dialog and its callback.
#include "NelPath.h"
#include "NelComScope.h"
#include "NelShellAlloc.h"
#include "WndUtil/NelWndUtil.h"
#include <memory>

namespace {

// Return only file-system folders, not below the domain, validate the
// typed name, new dialog style.
const UINT kDefaultFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;

// Selection-changed room: longer than MAX_PATH, as some shells write
// longer paths than they are asked to.
const size_t kSelectionChars = 4096;

void OnInitialized(HWND dlg, LPARAM data)
{
    if (data)
        SendMessageW(dlg, BFFM_SETSELECTIONW, TRUE, data);
    // The "?" button would only offer help the dialog does not have.
    NelModifyStyleEx(dlg, WS_EX_CONTEXTHELP, 0, TRUE);
    NelCenterWindowW(dlg, TRUE);
}

void OnSelectionChanged(HWND dlg, LPARAM item)
{
    std::unique_ptr<wchar_t[]> path(new wchar_t[kSelectionChars]());
    if (!item || !SHGetPathFromIDListW(reinterpret_cast<LPCITEMIDLIST>(item), path.get()) || !path[0]) {
        // A virtual item (My Computer, a network neighbourhood) has no
        // folder to install into.
        SendMessageW(dlg, BFFM_ENABLEOK, 0, 0);
        return;
    }
    SendMessageW(dlg, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.get()));
}

// The root item list of the special folder csidl, or NULL.
LPITEMIDLIST RootList(HWND owner, int csidl)
{
    if (!csidl)
        return nullptr;
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &list)))
        return nullptr;
    return list;
}

} // namespace

int CALLBACK NelBrowseFolderProc(HWND dlg, UINT msg, LPARAM lParam, LPARAM data)
{
    if (msg == BFFM_INITIALIZED)
        OnInitialized(dlg, data);
    else if (msg == BFFM_SELCHANGED)
        OnSelectionChanged(dlg, lParam);
    return 0;
}

BOOL NelBrowseFolder(HWND owner, wchar_t* path, const BROWSEINFOW* tmpl, int csidlRoot)
{
    if (!path)
        return FALSE;
    // A single space selects nothing but keeps the start-folder rule simple:
    // the callback always receives the caller's buffer.
    if (!path[0]) {
        path[0] = L' ';
        path[1] = L'\0';
    }
    CNelComScope com;

    BROWSEINFOW info = {};
    if (tmpl)
        info = *tmpl;
    if (owner)
        info.hwndOwner = owner;
    wchar_t displayName[MAX_PATH + 1] = {};
    if (!info.pszDisplayName)
        info.pszDisplayName = displayName;
    info.lpfn = NelBrowseFolderProc;
    info.lParam = reinterpret_cast<LPARAM>(path);
    LPITEMIDLIST root = RootList(info.hwndOwner, csidlRoot);
    if (root)
        info.pidlRoot = root;
    if (!info.ulFlags)
        info.ulFlags = kDefaultFlags;

    BOOL chosen = FALSE;
    LPITEMIDLIST result = SHBrowseForFolderW(&info);
    if (result) {
        // Converted aside first: a list without a path must not clear the
        // caller's text.
        wchar_t folder[MAX_PATH + 1] = {};
        if (SHGetPathFromIDListW(result, folder) && folder[0]) {
            lstrcpynW(path, folder, MAX_PATH + 1);
            chosen = TRUE;
        }
        NelFreeIdList(result);
    }
    if (root)
        NelFreeIdList(root);
    return chosen;
}
