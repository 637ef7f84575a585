#include "InstallInfo.h"
#include "InfoMacros.h"
#include "NelIni.h"
#include "NelWndBinding.h"
#include "TaviGlobals.h"
#include "resource.h"

bool ReadInfoStr(const wchar_t* section, const wchar_t* key, CNelStrW& out)
{
    CNelStrW value;
    if (!NelIniGetStr(section, key, value, g_strInfoFile.t()) || value.IsEmpty())
        return false;
    out = value;
    return true;
}

bool ReadInfoText(const wchar_t* section, const wchar_t* key, CNelStrW& out)
{
    CNelStrW value;
    if (!ReadInfoStr(section, key, value))
        return false;
    ExpandInfoMacros(value);
    out = value;
    return true;
}

void ApplyLineBreaks(CNelStrW& text)
{
    if (!text.IsEmpty())
        text.PermStr(L"\\n", L"\n");
}

bool ReadInfoMultiLine(const wchar_t* section, const wchar_t* key, CNelStrW& out)
{
    CNelStrW value;
    if (!ReadInfoText(section, key, value))
        return false;
    ApplyLineBreaks(value);
    out = value;
    return true;
}

CNelStrW ReadInfoMultiLineOr(const wchar_t* section, const wchar_t* key, UINT id)
{
    CNelStrW text;
    if (!ReadInfoMultiLine(section, key, text)) {
        text.LoadStr(id, g_hInstance);
        ExpandInfoMacros(text);
    }
    return text;
}

bool InfoValueIs(const wchar_t* section, const wchar_t* key, const wchar_t* word)
{
    CNelStrW value;
    return ReadInfoStr(section, key, value) && value.CompareNC(word) == 0;
}

int ReadInfoInt(const wchar_t* section, const wchar_t* key, int defaultValue)
{
    return NelIniGetInt(section, key, defaultValue, g_strInfoFile.t());
}

bool ReadIconSpec(const wchar_t* section, const wchar_t* key, CNelStrW& path, int& index,
                  const wchar_t* infoFile)
{
    CNelStrW value;
    if (!NelIniGetStr(section, key, value, infoFile) || value.IsEmpty())
        return false;
    int comma = value.RFind(L',');
    if (comma < 0) {
        path = value;
        index = 0;
        return true;
    }
    CNelStrW indexText = value.Mid(comma + 1);
    indexText.Trim(L" ");
    path = value.Left(comma);
    index = indexText.IsEmpty() ? 0 : indexText.StrToNum();
    return true;
}

void ReadDesignFile(const wchar_t* keyTemplate, const wchar_t* number, const wchar_t* folder,
                    CNelStrW& out, const wchar_t* infoFile)
{
    CNelStrW key(keyTemplate);
    key.PermStr(L"|no|", number);
    CNelStrW file;
    if (NelIniGetStr(L"DesignList", key.t(), file, infoFile) && !file.IsEmpty()) {
        out = folder;
        out += file;
    } else {
        out = L"";
    }
}

int ReadInfoFileVersion()
{
    return ReadInfoInt(L"NelvoInfo", L"NelCMIFileVer", 100);
}

bool IsInfoFileVersionSupported(int version)
{
    return version <= 100;
}

bool ConfirmInfoFileVersion()
{
    int version = ReadInfoFileVersion();
    if (IsInfoFileVersionSupported(version))
        return true;
    CNelStrW text, caption;
    text.LoadStr(IDS_INFO_VERSION_TOO_NEW, g_hInstance);
    text.PermStr(L"%ver%", FormatVersion100(version).t());
    caption.LoadStr(IDS_ERR_CAPTION, g_hInstance);
    return CallNelMsgBoxW(text.t(), caption.t(), MB_YESNO | MB_ICONQUESTION, nullptr, nullptr,
                          nullptr) == IDYES;
}

UINT FindMissingRequiredKey()
{
    CNelStrW value;
    if (!ReadInfoStr(L"CurInfo", L"CurName", value))
        return IDS_NO_CUR_NAME;
    if (!ReadInfoStr(L"MainDlg", L"DN1CurName", value))
        return IDS_NO_DESIGN1_NAME;
    if (!ReadInfoStr(L"CurInfo", L"ProductName", value))
        return IDS_NO_PRODUCT_NAME;
    return 0;
}
