#include "InfoSchema.h"
#include <windows.h>
#include <algorithm>
#include "CursorRoles.h"

namespace {

std::vector<SchemaKey> BuildKeys()
{
    std::vector<SchemaKey> keys;
    auto add = [&](const wchar_t* s, const wchar_t* k, bool m, bool reg = false) {
        keys.push_back({s, k, m, reg});
    };
    add(L"CurInfo", L"MutexName", true);
    add(L"CurInfo", L"CurName", false);
    add(L"CurInfo", L"ProductName", false);
    add(L"CurInfo", L"CompanyName", false);
    add(L"CurInfo", L"Version", false);
    add(L"CurInfo", L"Copyright", true);
    add(L"CurInfo", L"Homepage", true);
    add(L"CurInfo", L"ProductIcon", false);
    add(L"NelvoInfo", L"NelCMIFileVer", false);
    for (const wchar_t* k : {L"DlgTitle", L"Mes", L"InstallFolderStc", L"BrowseBtn", L"DefBtn",
                             L"DefInstallFolder", L"DesignNameStc", L"DN1CurName", L"DN1CurStc",
                             L"DN2CurName", L"DN2CurStc", L"LocationStc", L"OKBtn", L"CancelBtn",
                             L"Help_OK", L"Help_Cancel", L"Help_InstPath",
                             L"Help_InstPathBrowse", L"Help_InstPathDef", L"Help_DN1",
                             L"Help_DN2", L"Help_Location"})
        add(L"MainDlg", k, true);
    for (const wchar_t* k :
         {L"InstallFolderKey", L"DesignName1Key", L"DesignName2Key", L"LocationKey"})
        add(L"MainDlg", k, true, true);
    for (const wchar_t* k :
         {L"MesIcon", L"CurIcon", L"HideLocation", L"Location", L"SaveInstallData"})
        add(L"MainDlg", k, false);
    add(L"EndDlg", L"Use", false);
    add(L"EndDlg", L"DlgTitle", true);
    add(L"EndDlg", L"Mes", true);
    add(L"EndDlg", L"ChangeDN", false);
    for (const wchar_t* k : {L"DlgTitle", L"Mes", L"DeclinedMes", L"FailedMes", L"DeniedMes"})
        add(L"Elevation", k, true);
    add(L"Uninstall", L"Use", false);
    for (const wchar_t* k : {L"DlgTitle", L"Mes", L"DoneMes", L"LeftMes", L"IncompleteMes",
                             L"ElevateMes", L"NoRecordMes", L"RecordFailedMes"})
        add(L"Uninstall", k, true);
    for (const wchar_t* number : {L"1", L"2"}) {
        for (const CursorRole& role : kCursorRoles) {
            std::wstring key = role.keyTemplate;
            key.replace(key.find(L"|no|"), 4, number);
            keys.push_back({L"DesignList", key, false, false});
        }
    }
    return keys;
}

bool IsFileKey(const std::wstring& key)
{
    if (key.size() < 5 || key.compare(0, 4, L"File") != 0)
        return false;
    if (key[4] == L'0' && key.size() > 5)
        return false;
    return std::all_of(key.begin() + 4, key.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

size_t EditDistance(const std::wstring& a, const std::wstring& b)
{
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t up = row[j];
            bool same = towlower(a[i - 1]) == towlower(b[j - 1]);
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

} // namespace

const std::vector<SchemaKey>& SchemaKeys()
{
    static const std::vector<SchemaKey> keys = BuildKeys();
    return keys;
}

const std::vector<std::wstring>& SchemaSections()
{
    static const std::vector<std::wstring> sections = {
        L"CurInfo", L"NelvoInfo", L"MainDlg", L"EndDlg", L"Elevation", L"Uninstall", L"InstallFiles",
        L"DesignList", L"Strings"};
    return sections;
}

std::wstring FileKeyName(int n)
{
    return L"File" + std::to_wstring(n);
}

bool IsKnownKey(const std::wstring& section, const std::wstring& key)
{
    if (section == L"Strings")
        return true;
    if (section == L"InstallFiles")
        return IsFileKey(key);
    for (const SchemaKey& k : SchemaKeys())
        if (k.section == section && k.key == key)
            return true;
    return false;
}

std::wstring SectionOfKey(const std::wstring& key)
{
    if (IsFileKey(key))
        return L"InstallFiles";
    for (const SchemaKey& k : SchemaKeys())
        if (k.key == key)
            return k.section;
    return std::wstring();
}

std::wstring SectionCaseMatch(const std::wstring& name)
{
    for (const std::wstring& s : SchemaSections())
        if (_wcsicmp(s.c_str(), name.c_str()) == 0)
            return s;
    return std::wstring();
}

std::wstring KeyCaseMatch(const std::wstring& section, const std::wstring& key)
{
    if (section == L"InstallFiles" && key.size() > 4 && _wcsnicmp(key.c_str(), L"file", 4) == 0)
        return IsFileKey(L"File" + key.substr(4)) ? L"File" + key.substr(4) : std::wstring();
    for (const SchemaKey& k : SchemaKeys())
        if (k.section == section && _wcsicmp(k.key.c_str(), key.c_str()) == 0)
            return k.key;
    return std::wstring();
}

std::wstring ClosestKey(const std::wstring& section, const std::wstring& key)
{
    std::wstring best;
    size_t bestDistance = 3;  // more than two slips is another word
    for (const SchemaKey& k : SchemaKeys()) {
        if (k.section != section)
            continue;
        size_t d = EditDistance(k.key, key);
        if (d < bestDistance && d * 3 <= k.key.size()) {
            bestDistance = d;
            best = k.key;
        }
    }
    return best;
}

bool IsInstallKey(const std::wstring& section, const std::wstring& key)
{
    auto is = [](const std::wstring& a, const wchar_t* b) { return _wcsicmp(a.c_str(), b) == 0; };
    if (is(section, L"InstallFiles") || is(section, L"DesignList"))
        return true;
    if (is(section, L"MainDlg"))
        return is(key, L"DefInstallFolder") || is(key, L"DN1CurName") || is(key, L"DN2CurName");
    if (is(section, L"CurInfo"))
        return is(key, L"CurName") || is(key, L"ProductName");
    return is(section, L"NelvoInfo") && is(key, L"NelCMIFileVer");
}
