#include "InfoMacros.h"
#include <shlobj.h>
#include <memory>
#include "NelIni.h"
#include "NelPath.h"
#include "TaviGlobals.h"

namespace {

// Replaces every occurrence of name by value when value is non-empty.
void ReplaceIfGiven(CNelStrW& text, const wchar_t* name, const CNelStrW& value)
{
    if (!value.IsEmpty())
        text.PermStr(name, value.t());
}

void ExpandFolder(CNelStrW& text, const wchar_t* name, int csidl)
{
    if (text.Find(name) < 0)
        return;
    CNelStrW folder;
    if (NelGetSpecialFolder(folder, csidl))
        ReplaceIfGiven(text, name, folder);
}

// %Name% replaced by the [CurInfo] key of the same name.
void ExpandCurInfo(CNelStrW& text, const wchar_t* key)
{
    CNelStrW name(L"%");
    name += key;
    name += L"%";
    if (text.Find(name.t()) < 0)
        return;
    CNelStrW value;
    if (NelIniGetStr(L"CurInfo", key, value, g_strInfoFile.t()))
        ReplaceIfGiven(text, name.t(), value);
}

// One left-to-right scan: each pair of "%" enclosing three characters or
// more names a [Strings] key. Substituted values are copied to the result
// and never scanned again. The file is read once for the whole scan, at
// the first name.
void ExpandUserMacros(CNelStrW& text)
{
    std::unique_ptr<CNelIniFile> info;
    const wchar_t* src = text.t();
    CNelStrW result(L"");
    int pos = 0;
    const int len = text.GetLength();
    while (pos < len) {
        const wchar_t* open = wcschr(src + pos, L'%');
        const wchar_t* close = open ? wcschr(open + 1, L'%') : nullptr;
        if (!close) {
            result += src + pos;
            break;
        }
        const int openAt = static_cast<int>(open - src);
        const int closeAt = static_cast<int>(close - src);
        CNelStrW value;
        if (closeAt - openAt - 1 >= 3) {
            CNelStrW name = text.Mid(openAt + 1, closeAt - openAt - 1);
            if (!info)
                info.reset(new CNelIniFile(g_strInfoFile.t()));
            info->GetStr(L"Strings", name.t(), value);
        }
        // Mid with a count of 0 would copy the whole rest of the text.
        if (openAt > pos)
            result += text.Mid(pos, openAt - pos);
        if (!value.IsEmpty())
            result += value;
        else
            result += text.Mid(openAt, closeAt - openAt + 1);
        pos = closeAt + 1;
    }
    text = result;
}

} // namespace

CNelStrW FormatVersion100(int version)
{
    CNelStrW text;
    text.Format(L"%03i", version);
    text.InsertR(2, L".");
    return text;
}

void ExpandInfoMacros(CNelStrW& text)
{
    if (text.IsEmpty())
        return;
    ExpandFolder(text, L"%SystemFolder%", CSIDL_SYSTEM);
    ExpandFolder(text, L"%WindowsFolder%", CSIDL_WINDOWS);
    ExpandFolder(text, L"%ProgramFilesFolder%", CSIDL_PROGRAM_FILES);
    // The user's own local application-data folder: a default folder there
    // needs no administrator permission.
    ExpandFolder(text, L"%LocalAppDataFolder%", CSIDL_LOCAL_APPDATA);
    ExpandCurInfo(text, L"CurName");
    ExpandCurInfo(text, L"CompanyName");
    ExpandCurInfo(text, L"ProductName");
    if (text.Find(L"%Version%") >= 0) {
        int version = NelIniGetInt(L"CurInfo", L"Version", 0, g_strInfoFile.t());
        text.PermStr(L"%Version%", FormatVersion100(version).t());
    }
    ExpandCurInfo(text, L"Copyright");
    ExpandCurInfo(text, L"Homepage");
    ExpandUserMacros(text);
}
